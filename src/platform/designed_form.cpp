#include "platform/designed_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/help_topic.h"
#include "platform/layout_fonts.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "platform/wrapping_button.h"

namespace pellavan::platform {
namespace {

QWidget* make_widget(const ControlDesign& d, QWidget* parent) {
  const QString caption = QString::fromUtf8(d.caption);
  switch (d.kind) {
    case ControlKind::Label: {
      auto* label = new QLabel(caption, parent);
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
      if (d.max_length > 0) box->setMaxLength(d.max_length);
      return box;
    }
    case ControlKind::CheckBox: return new QCheckBox(caption, parent);
    case ControlKind::OptionButton: return new QRadioButton(caption, parent);
    case ControlKind::ComboBox: return new QComboBox(parent);
    case ControlKind::Frame: return new QGroupBox(caption, parent);
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

QRect scaled(const TwipRect& r, double fx, double fy) {
  const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
  const int left = px(r.left * fx);
  const int top = px(r.top * fy);
  return {left, top, px((r.left + r.width) * fx) - left, px((r.top + r.height) * fy) - top};
}

}  // namespace

DesignedForm::DesignedForm(const WindowDesign& design, QWidget* parent)
    : QWidget(parent), design_(design), face_(QString::fromUtf8(design.face)) {
  setObjectName(QString::fromUtf8(design.name));
  set_help_topic(this, design.help_topic);
  setMouseTracking(true);
  apply_colours(this, kDefaultColour, design.back);
  build();
  resize(design_pixels());
  place();
  apply_fonts();
}

void DesignedForm::build() {
  controls_.reserve(design_.controls.size());
  for (const ControlDesign& d : design_.controls) {
    QWidget* parent = this;
    if (d.container != nullptr && *d.container != '\0') parent = control(d.container);
    QWidget* w = make_widget(d, parent);
    w->setObjectName(QString::fromUtf8(d.name));
    apply_colours(w, d.fore, d.back);
    if (d.help_topic > 0) set_help_topic(w, d.help_topic);
    w->setVisible(d.views != kNoView);
    if (!by_name_.emplace(d.name, controls_.size()).second)
      throw std::logic_error(std::string("control named twice: ") + d.name);
    controls_.push_back({&d, w});
    wire(controls_.back());
  }
  if (design_.help_label != nullptr) help_label_ = label(design_.help_label);
  apply_tab_order();
}

bool DesignedForm::has(std::string_view name) const {
  return by_name_.find(std::string(name)) != by_name_.end();
}

QWidget* DesignedForm::control(std::string_view name) const {
  const auto it = by_name_.find(std::string(name));
  if (it == by_name_.end())
    throw std::out_of_range(std::string(design_.name) + " has no control " + std::string(name));
  return controls_[it->second].widget;
}

QLabel* DesignedForm::label(std::string_view name) const { return get<QLabel>(name); }
QPushButton* DesignedForm::button(std::string_view name) const { return get<QPushButton>(name); }
QLineEdit* DesignedForm::text_box(std::string_view name) const { return get<QLineEdit>(name); }
QCheckBox* DesignedForm::check_box(std::string_view name) const { return get<QCheckBox>(name); }
QRadioButton* DesignedForm::option(std::string_view name) const { return get<QRadioButton>(name); }
QComboBox* DesignedForm::combo(std::string_view name) const { return get<QComboBox>(name); }
QGroupBox* DesignedForm::frame(std::string_view name) const { return get<QGroupBox>(name); }
PictureBox* DesignedForm::picture(std::string_view name) const { return get<PictureBox>(name); }

QString DesignedForm::name_of(const QWidget* w) const {
  const Control* c = find(w);
  return c != nullptr ? QString::fromUtf8(c->design->name) : QString();
}

void DesignedForm::place_custom(std::string_view name, QWidget* widget) {
  QWidget* holder = control(name);
  if (holder->layout() == nullptr) throw std::logic_error(std::string(name) + " is not Custom");
  holder->layout()->addWidget(widget);
}

void DesignedForm::show_view(ViewMask view) {
  view_ = view;
  for (const Control& c : controls_) c.widget->setVisible((c.design->views & view) != 0);
}

void DesignedForm::set_font_face(const QString& face) {
  face_ = face;
  face_overridden_ = true;
  apply_fonts();
}

void DesignedForm::set_help_line(const QString& text) {
  if (help_label_ != nullptr) help_label_->setText(text);
}

QString DesignedForm::help_line() const {
  return help_label_ != nullptr ? help_label_->text() : QString();
}

QSize DesignedForm::design_pixels() const {
  return twips_to_pixels(QSize(design_.client_width, design_.client_height), screen());
}

void DesignedForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  place();
  apply_fonts();
}

void DesignedForm::place() {
  const QSize base = design_pixels();
  scale_x_ = base.width() > 0 ? static_cast<double>(width()) / base.width() : 1.0;
  scale_y_ = base.height() > 0 ? static_cast<double>(height()) / base.height() : 1.0;
  const TwipScale twip = twip_scale(screen());
  for (const Control& c : controls_)
    c.widget->setGeometry(scaled(c.design->rect, twip.x * scale_x_, twip.y * scale_y_));
}

void DesignedForm::apply_fonts() {
  const double factor = std::min(scale_x_, scale_y_);
  for (const Control& c : controls_) {
    const DesignFont& f = c.design->font;
    const QString face =
        face_overridden_ || f.face == nullptr ? face_ : QString::fromUtf8(f.face);
    c.widget->setFont(layout_font(face, std::max(1.0, f.points * factor), f.bold, f.italic));
  }
}

void DesignedForm::apply_tab_order() {
  std::vector<const Control*> order;
  for (const Control& c : controls_)
    if (c.widget->focusPolicy() & Qt::TabFocus) order.push_back(&c);
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    const auto key = [](const Control* c) {
      return c->design->tab_index < 0 ? std::numeric_limits<int>::max() : c->design->tab_index;
    };
    return key(a) < key(b);
  });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1]->widget, order[i]->widget);
}

const DesignedForm::Control* DesignedForm::find(const QObject* widget) const {
  for (const Control& c : controls_)
    if (c.widget == widget) return &c;
  return nullptr;
}

}  // namespace pellavan::platform
