#pragma once
// The one builder of every window: DesignedForm takes a WindowDesign and makes its controls,
// then keeps them in the design's proportions whatever size the form is given (each control's
// place, size and font scale with the form, as the window-scaling control did). It also wires
// what every window shares:
//   - the help line: mouse over or focus on a control writes its help text into the window's
//     help label; moving onto a frame (or the form itself) without a text empties it;
//   - Enter in a text box, combo box, check box or option button moves on like Tab;
//   - F1 topics of the controls and the window (set_help_topic);
//   - the font face of the layout ("new times roman" or "MS Sans Serif", layout_fonts.h);
//   - the tab order and the views a control shows in.
// Windows look controls up by their design names and connect their handlers to them; the
// hovered/focused signals carry the control's name for handlers that do more than the help line.
// The design's control table must outlive the form (a constexpr array at namespace scope).

#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/window_design.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pellavan::platform {

class PictureBox;

class DesignedForm : public QWidget {
  Q_OBJECT

 public:
  explicit DesignedForm(const WindowDesign& design, QWidget* parent = nullptr);

  [[nodiscard]] const WindowDesign& design() const { return design_; }

  [[nodiscard]] bool has(std::string_view name) const;
  // The control of that name; throws std::out_of_range for a name the design lacks.
  [[nodiscard]] QWidget* control(std::string_view name) const;
  // The control as the widget type of its kind; throws std::logic_error for another type.
  template <class W>
  [[nodiscard]] W* get(std::string_view name) const {
    W* w = qobject_cast<W*>(control(name));
    if (w == nullptr) throw std::logic_error("control " + std::string(name) + " is another kind");
    return w;
  }
  [[nodiscard]] QLabel* label(std::string_view name) const;
  [[nodiscard]] QPushButton* button(std::string_view name) const;
  [[nodiscard]] QLineEdit* text_box(std::string_view name) const;
  [[nodiscard]] QCheckBox* check_box(std::string_view name) const;
  [[nodiscard]] QRadioButton* option(std::string_view name) const;
  [[nodiscard]] QComboBox* combo(std::string_view name) const;
  [[nodiscard]] QGroupBox* frame(std::string_view name) const;
  [[nodiscard]] PictureBox* picture(std::string_view name) const;
  [[nodiscard]] QString name_of(const QWidget* control) const;

  // Puts the window's own widget into a Custom control, filling it.
  void place_custom(std::string_view name, QWidget* widget);

  // Shows the controls whose views include `view` and hides the others.
  void show_view(ViewMask view);
  [[nodiscard]] ViewMask view() const { return view_; }

  // Every control's font face from now on (the layout's face); sizes and styles stay.
  void set_font_face(const QString& face);
  [[nodiscard]] QString font_face() const { return face_; }

  // Writes the help line; nothing when the window has no help label.
  void set_help_line(const QString& text);
  [[nodiscard]] QString help_line() const;

  // The design's client area in pixels at 100 %, and the scale the form is shown at.
  [[nodiscard]] QSize design_pixels() const;
  [[nodiscard]] double scale_x() const { return scale_x_; }
  [[nodiscard]] double scale_y() const { return scale_y_; }

  [[nodiscard]] QSize sizeHint() const override { return design_pixels(); }

 signals:
  // After the help line was written. The form itself reports the design's window name.
  void hovered(const QString& name);
  void focused(const QString& name);
  void focus_left(const QString& name);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Control {
    const ControlDesign* design;
    QWidget* widget;
  };

  void build();
  void place();
  void apply_fonts();
  void apply_tab_order();
  void wire(const Control& control);
  [[nodiscard]] const Control* find(const QObject* widget) const;
  void hover(const ControlDesign& design);

  WindowDesign design_;
  std::vector<Control> controls_;
  std::unordered_map<std::string, std::size_t> by_name_;
  QString face_;
  bool face_overridden_ = false;
  ViewMask view_ = kEveryView;
  QLabel* help_label_ = nullptr;
  double scale_x_ = 1.0;
  double scale_y_ = 1.0;
};

}  // namespace pellavan::platform
