// The behaviour DesignedForm gives every control: help line, Enter as Tab, select on focus.

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "platform/designed_form.h"

namespace pellavan::platform {
namespace {

// Containers report the pointer moving over their own area (not over a child), as frames and
// pictures do; the other controls report it once on entering.
bool is_container(ControlKind kind) {
  return kind == ControlKind::Frame || kind == ControlKind::Picture || kind == ControlKind::Custom;
}

bool moves_on_with_enter(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::ComboBox ||
         kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
}

void move_to_next_field(QWidget* from) {
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(from, &tab);
}

}  // namespace

void DesignedForm::wire(const Control& c) {
  c.widget->installEventFilter(this);
  if (is_container(c.design->kind)) c.widget->setMouseTracking(true);
  if (auto* combo = qobject_cast<QComboBox*>(c.widget); combo && combo->lineEdit())
    combo->lineEdit()->installEventFilter(this);
}

void DesignedForm::hover(const ControlDesign& d) {
  if (d.help_line != nullptr) set_help_line(QString::fromUtf8(d.help_line));
  else if (is_container(d.kind)) set_help_line(QString());
  emit hovered(QString::fromUtf8(d.name));
}

void DesignedForm::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  set_help_line(QString());
  emit hovered(QString::fromUtf8(design_.name));
}

bool DesignedForm::eventFilter(QObject* watched, QEvent* event) {
  const Control* c = find(watched);
  if (c == nullptr && watched->parent() != nullptr) c = find(watched->parent());  // combo edit
  if (c == nullptr) return QWidget::eventFilter(watched, event);
  const ControlDesign& d = *c->design;

  switch (event->type()) {
    case QEvent::MouseMove:
      if (is_container(d.kind) && watched == c->widget) {
        hover(d);
        return true;  // not on to the form, which would empty the line again
      }
      break;
    case QEvent::Enter:
      if (!is_container(d.kind)) hover(d);
      break;
    case QEvent::FocusIn:
      if (watched != c->widget) break;
      if (d.help_line != nullptr) set_help_line(QString::fromUtf8(d.help_line));
      if (auto* box = qobject_cast<QLineEdit*>(c->widget); box && d.select_on_focus)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);  // after the click that focused it
      emit focused(QString::fromUtf8(d.name));
      break;
    case QEvent::FocusOut:
      if (watched == c->widget) emit focus_left(QString::fromUtf8(d.name));
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
      const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
      if (enter && plain && moves_on_with_enter(d.kind)) {
        move_to_next_field(c->widget);
        return true;
      }
      break;
    }
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pellavan::platform
