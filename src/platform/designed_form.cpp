#include "platform/designed_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/control_widgets.h"
#include "platform/help_topic.h"
#include "platform/layout_fonts.h"
#include "platform/picture_box.h"
#include "platform/text_area.h"
#include "platform/twips.h"

namespace pellavan::platform {
namespace {

QRect scaled(const TwipRect& r, double fx, double fy) {
  const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
  const int left = px(r.left * fx);
  const int top = px(r.top * fy);
  return {left, top, px((r.left + r.width) * fx) - left, px((r.top + r.height) * fy) - top};
}

std::string full_name(const ControlDesign& d) {
  return d.index > 0 ? d.name + std::to_string(d.index) : std::string(d.name);
}

bool highlighted_kind(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::TextArea ||
         kind == ControlKind::ComboBox || kind == ControlKind::ListBox;
}

bool moves_on_with_enter(ControlKind kind) {
  switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::TextArea:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ScrollBar: return true;
    default: return false;
  }
}

bool is_list(ControlKind kind) {
  return kind == ControlKind::ComboBox || kind == ControlKind::ListBox;
}

bool resolve(Setting setting, bool window_default) {
  return setting == Setting::AsWindow ? window_default : setting == Setting::On;
}

}  // namespace

void set_text(QLineEdit* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
}

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

// The controls are deleted after this: their last focus and change events must reach nobody.
DesignedForm::~DesignedForm() {
  stop_listening();
  for (const Control& c : controls_) {
    c.widget->removeEventFilter(this);
    c.widget->disconnect(this);
  }
}

void DesignedForm::build() {
  controls_.reserve(design_.controls.size());
  for (const ControlDesign& d : design_.controls) build_control(d);
  if (design_.help_label != nullptr) help_label_ = label(design_.help_label);
  for (Control& c : controls_) {
    c.help_label = help_label_;
    for (QWidget* up = c.widget->parentWidget(); up != nullptr && up != this;
         up = up->parentWidget())
      if (const Control* holder = find(up); holder && holder->design->help_label) {
        c.help_label = label(holder->design->help_label);
        break;
      }
  }
  apply_tab_order();
}

void DesignedForm::build_control(const ControlDesign& d) {
  QWidget* parent = this;
  if (d.container != nullptr && *d.container != '\0') parent = control(d.container);
  QWidget* w = make_control_widget(d, parent);
  if (d.kind == ControlKind::TabPage) {
    auto* tabs = qobject_cast<QTabWidget*>(parent);
    if (tabs == nullptr) throw std::logic_error(full_name(d) + " is a page outside a tab control");
    tabs->addTab(w, QString::fromUtf8(d.caption));
  }
  w->setObjectName(QString::fromStdString(full_name(d)));
  apply_colours(w, d.fore, d.back);
  if (d.help_topic > 0) set_help_topic(w, d.help_topic);
  if (d.kind != ControlKind::TabPage) w->setVisible(d.views != kNoView);
  if (!by_name_.emplace(full_name(d), controls_.size()).second)
    throw std::logic_error("control named twice: " + full_name(d));
  controls_.push_back({&d, w, d.rect, nullptr,
                       highlighted_kind(d.kind) && resolve(d.highlight, design_.highlight_fields),
                       moves_on_with_enter(d.kind) && resolve(d.enter_as_tab, design_.enter_as_tab),
                       design_.lists_queue_tab && is_list(d.kind)});
  wire(controls_.back());
  connect_signals(controls_.size() - 1);
}

void DesignedForm::connect_signals(std::size_t i) {
  QWidget* w = controls_[i].widget;
  const auto fire = [this, i](Event e) { return [this, i, e] { dispatch(i, e); }; };
  switch (controls_[i].design->kind) {
    case ControlKind::Button:
      connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, fire(Event::Click));
      break;
    case ControlKind::CheckBox:
      connect(static_cast<QCheckBox*>(w), &QCheckBox::toggled, this, fire(Event::Click));
      break;
    case ControlKind::OptionButton:
      connect(static_cast<QRadioButton*>(w), &QRadioButton::toggled, this, [this, i](bool on) {
        if (on) dispatch(i, Event::Click);
      });
      break;
    case ControlKind::ComboBox:
      connect(static_cast<QComboBox*>(w), &QComboBox::currentIndexChanged, this,
              fire(Event::Click));
      break;
    case ControlKind::ListBox: {
      // Click follows the selection: a mouse press makes the row current before it selects it
      // (Qt's current-row signal comes too early), a key or the program makes it current first
      // too and selects it in the same step. A list left without a current row clicks as well.
      auto* list = static_cast<QListWidget*>(w);
      connect(list, &QListWidget::itemSelectionChanged, this, [this, i, list] {
        const QListWidgetItem* item = list->currentItem();
        if (item != nullptr && item->isSelected()) dispatch(i, Event::Click);
      });
      connect(list, &QListWidget::currentRowChanged, this, [this, i](int row) {
        if (row < 0) dispatch(i, Event::Click);
      });
      break;
    }
    case ControlKind::TextBox:
      connect(static_cast<QLineEdit*>(w), &QLineEdit::textChanged, this, fire(Event::Change));
      break;
    case ControlKind::TextArea:
      connect(static_cast<TextArea*>(w), &TextArea::textChanged, this, fire(Event::Change));
      break;
    case ControlKind::ScrollBar:
      connect(static_cast<QScrollBar*>(w), &QScrollBar::valueChanged, this, fire(Event::Change));
      break;
    default: break;
  }
}

std::size_t DesignedForm::index_of(ControlRef control) const {
  const ControlDesign* first = design_.controls.data();
  if (control.design < first || control.design >= first + design_.controls.size())
    throw std::logic_error(std::string(design_.name) + ": a control of another design");
  return static_cast<std::size_t>(control.design - first);
}

QWidget* DesignedForm::widget(ControlRef control) const {
  return controls_[index_of(control)].widget;
}

ControlRef DesignedForm::control_of(const QObject* widget) const {
  const Control* c = find(widget);
  return c != nullptr ? ControlRef{c->design} : ControlRef{};
}

void DesignedForm::listen(ControlRef control, Event event, Listener listener) {
  const std::size_t index = control.design == nullptr ? controls_.size() : index_of(control);
  listeners_.push_back({index, event, std::move(listener)});
}

void DesignedForm::stop_listening() { listeners_.clear(); }

bool DesignedForm::dispatch(std::size_t control, Event event, int key) {
  const bool own = control < controls_.size();
  ControlEvent e{event, own ? ControlRef{controls_[control].design} : ControlRef{},
                 own ? controls_[control].design->index : 0, key};
  // A listener may add listeners or stop them all: walk by index over what was there.
  const std::size_t count = listeners_.size();
  for (std::size_t i = 0; i < count && i < listeners_.size(); ++i)
    if (listeners_[i].control == control && listeners_[i].event == event) listeners_[i].listener(e);
  return e.swallowed;
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
  return c != nullptr ? c->widget->objectName() : QString();
}

void DesignedForm::place_custom(ControlRef control, QWidget* widget) {
  QWidget* holder = this->widget(control);
  if (holder->layout() == nullptr)
    throw std::logic_error(holder->objectName().toStdString() + " is not Custom");
  holder->layout()->addWidget(widget);
  widget->setMouseTracking(true);  // its pointer moves pass on to the holder, for its help line
}

void DesignedForm::show_view(ViewMask view) {
  view_ = view;
  for (const Control& c : controls_)
    if (c.design->kind != ControlKind::TabPage) c.widget->setVisible((c.design->views & view) != 0);
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
  emit resized();
}

void DesignedForm::move_control(ControlRef control, const TwipRect& rect) {
  Control& c = controls_[index_of(control)];
  c.rect = rect;
  const TwipScale twip = twip_scale(screen());
  c.widget->setGeometry(scaled(c.rect, twip.x * scale_x_, twip.y * scale_y_));
}

const TwipRect& DesignedForm::rect_of(ControlRef control) const {
  return controls_[index_of(control)].rect;
}

void DesignedForm::place() {
  const QSize base = design_pixels();
  const bool scales = design_.scales;
  scale_x_ = scales && base.width() > 0 ? static_cast<double>(width()) / base.width() : 1.0;
  scale_y_ = scales && base.height() > 0 ? static_cast<double>(height()) / base.height() : 1.0;
  const TwipScale twip = twip_scale(screen());
  for (const Control& c : controls_)
    if (c.design->kind != ControlKind::TabPage)  // the tab control lays its pages out
      c.widget->setGeometry(scaled(c.rect, twip.x * scale_x_, twip.y * scale_y_));
}

void DesignedForm::apply_fonts() {
  const double factor = std::min(scale_x_, scale_y_);
  for (const Control& c : controls_) {
    const DesignFont& f = c.design->font;
    const QString face = face_overridden_ || f.face == nullptr ? face_ : QString::fromUtf8(f.face);
    c.widget->setFont(layout_font(face, std::max(1.0, f.points * factor), f.bold, f.italic));
  }
}

// Containers keep their place: ordering one would move every control inside it along.
void DesignedForm::apply_tab_order() {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (takes_tab_order(*controls_[i].design, controls_[i].widget)) tab_order_.push_back(i);
  std::stable_sort(tab_order_.begin(), tab_order_.end(), [this](std::size_t a, std::size_t b) {
    const auto key = [this](std::size_t i) {
      const int index = controls_[i].design->tab_index;
      return index < 0 ? std::numeric_limits<int>::max() : index;
    };
    return key(a) < key(b);
  });
  for (std::size_t i = 1; i < tab_order_.size(); ++i)
    QWidget::setTabOrder(controls_[tab_order_[i - 1]].widget, controls_[tab_order_[i]].widget);
}

const DesignedForm::Control* DesignedForm::find(const QObject* widget) const {
  for (const Control& c : controls_)
    if (c.widget == widget) return &c;
  return nullptr;
}

}  // namespace pellavan::platform
