// The behaviour DesignedForm gives every control: help line, focus highlight, Enter as Tab,
// select on focus, and the focus, key and mouse events of the handler tables.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "platform/control_widgets.h"
#include "platform/designed_form.h"
#include "platform/text_area.h"

namespace pellavan::platform {
namespace {

// Containers report the pointer moving over their own area, as frames and pictures do; the
// other controls report it on entering, and on every move after: a control that does not track
// the mouse passes its moves on to its container (or the form), which hands them back to it.
// A disabled control reports nothing: Qt still sends it Enter, but its area counts as that of
// the enabled container under it, or of the form.
bool is_container(ControlKind kind) {
  return kind == ControlKind::Frame || kind == ControlKind::Picture ||
         kind == ControlKind::Custom || kind == ControlKind::TabPage ||
         kind == ControlKind::TabControl;
}

bool writes_help_on(HelpWhen when, bool focus) {
  return when == HelpWhen::FocusAndHover || when == (focus ? HelpWhen::Focus : HelpWhen::Hover);
}

// Focus moving into a drop-down or menu, or back from it, stays with the control that opened it.
bool popup_focus(const QEvent* event) {
  if (static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return true;
  const QWidget* now = QApplication::focusWidget();
  return now != nullptr && now->window()->windowType() == Qt::Popup;
}

void move_to_next_field(QWidget* from) {
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QApplication::sendEvent(from, &tab);
}

// A Tab keystroke for whichever control has the focus once the events before it are done,
// unless an entry of the form of `from` was refused meanwhile (its count `refusals` moved on):
// the focus stays in the refused box.
void queue_tab(QWidget* from, const unsigned& refusals) {
  QTimer::singleShot(0, from, [&refusals, before = refusals] {
    if (refusals != before) return;
    if (QWidget* focused = QApplication::focusWidget()) move_to_next_field(focused);
  });
}

int character_of(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return 13;
  return key.text().isEmpty() ? 0 : key.text().at(0).unicode();
}

}  // namespace

void DesignedForm::wire(const Control& c) {
  c.widget->installEventFilter(this);
  if (is_container(c.design->kind)) c.widget->setMouseTracking(true);
  if (auto* combo = qobject_cast<QComboBox*>(c.widget)) {
    if (combo->lineEdit() != nullptr) combo->lineEdit()->installEventFilter(this);
    combo->view()->window()->installEventFilter(this);  // its drop-down
  }
  if (auto* tabs = qobject_cast<QTabWidget*>(c.widget)) tabs->tabBar()->installEventFilter(this);
}

void DesignedForm::write_help(const Control& c, const QString& text) {
  if (c.help_label != nullptr) c.help_label->setText(text);
}

void DesignedForm::hover(const Control& c) {
  const ControlDesign& d = *c.design;
  if (d.help_line != nullptr && writes_help_on(d.help_when, false))
    write_help(c, QString::fromUtf8(d.help_line));
  else if (d.help_line == nullptr && is_container(d.kind) && d.help_when != HelpWhen::Never)
    write_help(c, QString());
  dispatch(static_cast<std::size_t>(&c - controls_.data()), Event::MouseMove);
  emit hovered(c.widget->objectName());
}

const DesignedForm::Control* DesignedForm::mouse_owner(QWidget* at) const {
  bool below_control = false;
  for (QWidget* w = at; w != nullptr && w != this; w = w->parentWidget()) {
    const Control* c = find(w);
    if (c == nullptr) continue;
    if (w->isEnabled() && (!below_control || is_container(c->design->kind))) return c;
    below_control = true;
  }
  return nullptr;
}

const DesignedForm::Control* DesignedForm::control_under(QWidget* holder, QPoint at) const {
  QWidget* under = holder->childAt(at);
  return mouse_owner(under != nullptr ? under : holder);
}

void DesignedForm::hover_area(const Control* c) {
  if (c != nullptr) {
    hover(*c);
    return;
  }
  set_help_line(QString());
  dispatch(controls_.size(), Event::MouseMove);
  emit hovered(QString::fromUtf8(design_.name));
}

void DesignedForm::mouseMoveEvent(QMouseEvent* event) {
  QWidget::mouseMoveEvent(event);
  hover_area(control_under(this, event->position().toPoint()));
}

const DesignedForm::Control* DesignedForm::page_of(const Control& c) const {
  for (QWidget* up = c.widget->parentWidget(); up != nullptr && up != this; up = up->parentWidget())
    if (const Control* holder = find(up); holder && holder->design->kind == ControlKind::TabPage)
      return holder;
  return nullptr;
}

bool DesignedForm::tab_across_pages(const Control& from, bool backward) {
  const auto here = static_cast<std::size_t>(&from - controls_.data());
  const auto at = std::find(tab_order_.begin(), tab_order_.end(), here);
  if (at == tab_order_.end()) return false;
  const auto count = static_cast<std::ptrdiff_t>(tab_order_.size());
  auto position = at - tab_order_.begin();
  for (std::ptrdiff_t step = 1; step < count; ++step) {
    position = (position + (backward ? count - 1 : 1)) % count;
    const Control& next = controls_[tab_order_[static_cast<std::size_t>(position)]];
    if (!next.widget->isEnabled() || (next.design->views & view_) == 0) continue;
    if (next.widget->isVisible()) return false;  // Qt's own move reaches it
    const Control* page = page_of(next);
    if (page == nullptr || !next.widget->isVisibleTo(page->widget)) continue;
    auto* tabs = qobject_cast<QTabWidget*>(page->widget->parentWidget()->parentWidget());
    if (tabs == nullptr) return false;
    tabs->setCurrentWidget(page->widget);
    next.widget->setFocus(backward ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
  }
  return false;
}

void DesignedForm::focus_into_page(const Control& tabs) {
  const QWidget* front = static_cast<QTabWidget*>(tabs.widget)->currentWidget();
  for (const std::size_t i : tab_order_) {
    const Control& c = controls_[i];
    const Control* page = page_of(c);
    if (page != nullptr && page->widget == front && c.widget->isEnabled() &&
        c.widget->isVisible()) {
      c.widget->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
}

bool DesignedForm::key_pressed(const Control& c, const QKeyEvent& key) {
  const auto index = static_cast<std::size_t>(&c - controls_.data());
  if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab) {
    const bool backward = key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier);
    return tab_across_pages(c, backward);
  }
  const unsigned refusals = refusals_;
  if (dispatch(index, Event::KeyDown, key.key())) return true;
  if (const int character = character_of(key); character != 0)
    if (dispatch(index, Event::KeyPress, character)) return true;
  const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
  const bool plain = (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  // Enter that ran a check which refused an entry moves on no more: the focus is in that box.
  const bool refused = refusals_ != refusals;
  if (enter && plain && c.enter_as_tab && c.queue_tab) {
    if (!refused) queue_tab(c.widget, refusals_);
    return false;
  }
  if (enter && plain && c.enter_as_tab) {
    if (!refused) move_to_next_field(c.widget);
    return true;
  }
  return false;
}

void DesignedForm::drop_focus() {
  QWidget* focused = window()->focusWidget();
  if (focused == nullptr || !isAncestorOf(focused)) return;
  dropping_focus_ = true;
  focused->clearFocus();
  dropping_focus_ = false;
}

bool DesignedForm::eventFilter(QObject* watched, QEvent* event) {
  const Control* c = find(watched);
  if (c == nullptr && watched->parent() != nullptr) c = find(watched->parent());  // combo edit
  if (c == nullptr) return QWidget::eventFilter(watched, event);
  const ControlDesign& d = *c->design;
  const auto index = static_cast<std::size_t>(c - controls_.data());
  if (watched != c->widget && static_cast<QWidget*>(watched)->windowType() == Qt::Popup) {
    if (event->type() == QEvent::Show) dispatch(index, Event::DropDown);
    return QWidget::eventFilter(watched, event);
  }

  switch (event->type()) {
    case QEvent::MouseMove:
      if (is_container(d.kind) && watched == c->widget) {
        hover_area(
            control_under(c->widget, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return true;  // not on to the form, which would empty the line again
      }
      break;
    case QEvent::Enter:  // a Custom control's own widget fills it: entering that is entering it
      if (!is_container(d.kind) || d.kind == ControlKind::Custom)
        hover_area(mouse_owner(c->widget));
      break;
    case QEvent::MouseButtonRelease:  // labels have no click signal of their own
      if (d.kind == ControlKind::Label && watched == c->widget &&
          static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        dispatch(index, Event::Click);
      break;
    case QEvent::FocusIn:
      if (popup_focus(event)) break;
      if (d.kind == ControlKind::TabControl) {  // the widget or its tab bar
        focus_into_page(*c);
        break;
      }
      if (watched != c->widget) break;
      if (d.help_line != nullptr && writes_help_on(d.help_when, true))
        write_help(*c, QString::fromUtf8(d.help_line));
      if (c->highlight) set_field_colour(c->widget, kHighlightColour);
      if (auto* box = qobject_cast<QLineEdit*>(c->widget); box && d.select_on_focus)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);  // after the click that focused it
      if (auto* area = qobject_cast<TextArea*>(c->widget); area && d.select_on_focus)
        QTimer::singleShot(0, area, &TextArea::selectAll);
      dispatch(index, Event::GotFocus);
      emit focused(c->widget->objectName());
      break;
    case QEvent::FocusOut:
      if (watched != c->widget || popup_focus(event)) break;
      if (c->highlight) set_field_colour(c->widget, kFieldColour);
      if (!dropping_focus_) dispatch(index, Event::LostFocus);
      emit focus_left(c->widget->objectName());
      break;
    case QEvent::KeyPress:
      if (key_pressed(*c, *static_cast<QKeyEvent*>(event))) return true;
      break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pellavan::platform
