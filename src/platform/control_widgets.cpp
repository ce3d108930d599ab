#include "platform/control_widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/fitted_label.h"
#include "platform/picture_box.h"
#include "platform/steady_combo_box.h"
#include "platform/text_area.h"
#include "platform/typing_limit.h"
#include "platform/wrapping_button.h"

namespace pellavan::platform {

QWidget* make_control_widget(const ControlDesign& d, QWidget* parent) {
  const QString caption = QString::fromUtf8(d.caption);
  switch (d.kind) {
    case ControlKind::Label: {
      auto* label = new FittedLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);  // texts from files and users are never markup
      label->setWordWrap(true);
      label->setAlignment((d.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
      return label;
    }
    case ControlKind::Button: {
      auto* button = new WrappingButton(caption, parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(caption, parent);
      set_typing_limit(box, d.max_length);
      return box;
    }
    case ControlKind::TextArea: {
      auto* box = new TextArea(parent);
      box->setPlainText(caption);
      box->setMaxLength(d.max_length);
      return box;
    }
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::OptionButton: return new QRadioButton(caption, parent);
    case ControlKind::ComboBox: return new SteadyComboBox(parent);
    case ControlKind::ListBox: return new QListWidget(parent);
    case ControlKind::ScrollBar: {
      auto* bar =
          new QScrollBar(d.rect.width >= d.rect.height ? Qt::Horizontal : Qt::Vertical, parent);
      bar->setRange(d.scroll.minimum, d.scroll.maximum);
      bar->setValue(d.scroll.value);
      bar->setSingleStep(1);
      bar->setPageStep(1);
      bar->setFocusPolicy(Qt::StrongFocus);
      return bar;
    }
    case ControlKind::Frame: return new QGroupBox(caption, parent);
    case ControlKind::TabControl: return new QTabWidget(parent);
    case ControlKind::TabPage: return new QWidget(parent);
    case ControlKind::Picture: return new PictureBox(parent);
    case ControlKind::Line: {
      auto* line = new QFrame(parent);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      return line;
    }
    case ControlKind::Custom: {
      auto* holder = new QWidget(parent);
      auto* layout = new QVBoxLayout(holder);
      layout->setContentsMargins(0, 0, 0, 0);
      return holder;
    }
  }
  return new QWidget(parent);
}

void apply_colours(QWidget* w, QRgb fore, QRgb back) {
  QPalette palette = w->palette();
  if (fore != kDefaultColour)
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(role, QColor::fromRgb(fore));
  if (back != kDefaultColour) {
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
      palette.setColor(role, QColor::fromRgb(back));
    w->setAutoFillBackground(true);
  }
  w->setPalette(palette);
}

bool takes_tab_order(const ControlDesign& d, const QWidget* w) {
  switch (d.kind) {
    case ControlKind::Frame:
    case ControlKind::TabControl:
    case ControlKind::TabPage:
    case ControlKind::Picture:
    case ControlKind::Custom: return false;
    default: return (w->focusPolicy() & Qt::TabFocus) != 0;
  }
}

void set_field_colour(QWidget* w, QRgb colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Base, QColor::fromRgb(colour));
  if (qobject_cast<QComboBox*>(w) != nullptr)
    palette.setColor(QPalette::Button, QColor::fromRgb(colour));
  w->setPalette(palette);
}

}  // namespace pellavan::platform
