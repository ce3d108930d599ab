#pragma once
// The one builder of every window: DesignedForm takes a WindowDesign and makes its controls,
// then keeps them in the design's proportions whatever size the form is given (each control's
// place, size and font scale with the form, as the window-scaling control did), unless the
// design says they keep their size (WindowDesign::scales). It also gives
// every control what the design's flags say:
//   - the help line: focus on a control, or the mouse over it, writes its help text into the
//     help label of its page or window; moving onto a frame (or the form) without one empties it;
//   - Enter moves on like Tab (text boxes, lists, check boxes, option buttons, scroll bars);
//   - the focus highlight (cyan while focused, white after);
//   - F1 topics of the controls and the window (set_help_topic);
//   - the font face of the layout ("new times roman" or "MS Sans Serif", layout_fonts.h);
//   - the tab order and the views a control shows in;
//   - typing limits that cut only what the user types, never a text the program sets.
// Windows reach their controls through typed handles (control_handle.h) and receive their
// events through handler tables (handler_table.h), which listen() here. The name lookups are
// for tests and tools. The design's control table must outlive the form.

#include <QString>
#include <QWidget>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/control_handle.h"
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

// The events a handler table can name (handler_table.h says which control raises which).
enum class Event : std::uint8_t {
  Click,   // buttons; check boxes and option buttons when their value changes; list selection
  Change,  // text box text, scroll-bar value
  GotFocus,
  LostFocus,
  KeyDown,    // key: the Qt key code
  KeyPress,   // key: the character, 13 for Enter
  MouseMove,  // the pointer over the control (over a container's own area)
  DropDown,   // a list's drop-down opens
};

struct ControlEvent {
  Event event = Event::Click;
  ControlRef control{};  // empty for the form itself
  int index = 0;         // the element of a control array, else 0
  int key = 0;
  bool swallowed = false;  // a key handler keeps the key from the control (and from Enter as Tab)
};

using Listener = std::function<void(ControlEvent&)>;

// A text the program puts into a box, shown from its beginning as the user reads it.
void set_text(QLineEdit* box, const QString& text);

class DesignedForm : public QWidget {
  Q_OBJECT

 public:
  explicit DesignedForm(const WindowDesign& design, QWidget* parent = nullptr);
  ~DesignedForm() override;

  [[nodiscard]] const WindowDesign& design() const { return design_; }

  // The widget of a handle of this design, with its own type.
  template <ControlKind K>
  [[nodiscard]] typename Handle<K>::Widget* operator[](Handle<K> handle) const {
    return static_cast<typename Handle<K>::Widget*>(widget(handle.ref));
  }
  // The widget of a control of this design; std::logic_error for another design's control.
  [[nodiscard]] QWidget* widget(ControlRef control) const;
  // The design's control of a widget, or an empty reference.
  [[nodiscard]] ControlRef control_of(const QObject* widget) const;

  // Runs `listener` on `event` of the control; an empty reference is the form itself (only
  // MouseMove). stop_listening() drops every listener: a window does so before it goes.
  void listen(ControlRef control, Event event, Listener listener);
  void stop_listening();
  // Takes the focus from the control that has it without its LostFocus: a window that is being
  // closed throws away what is typed there instead of acting on it.
  void drop_focus();
  // After a refused entry, once the refusal's message is closed: the focus goes back to the
  // refused box of this form with its whole text selected, so that what the user types next
  // corrects it and lands in no other box (a box on a tab page not shown brings its page to the
  // front; a box hidden itself is left alone). Where leaving a box for the next one is what
  // refused it, the window would hand the focus on to that next box once the message closes. A
  // move on that Enter in this form asked for before the refusal is dropped (refused_box.cpp).
  void return_to_refused(QWidget* box);

  // Lookups by the control's full name, for tests and tools.
  [[nodiscard]] bool has(std::string_view name) const;
  // Throws std::out_of_range for a name the design lacks.
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

  // A control's place in twips from now on, in place of its design rectangle; rect_of() is
  // where it stands. For windows that lay themselves out on resize.
  void move_control(ControlRef control, const TwipRect& rect);
  [[nodiscard]] const TwipRect& rect_of(ControlRef control) const;

  // Puts the window's own widget into a Custom control, filling it; the pointer over the widget
  // counts as over the control.
  void place_custom(ControlRef control, QWidget* widget);

  // Shows the controls whose views include `view` and hides the others.
  void show_view(ViewMask view);
  [[nodiscard]] ViewMask view() const { return view_; }

  // Every control's font face from now on (the layout's face); sizes and styles stay.
  void set_font_face(const QString& face);
  [[nodiscard]] QString font_face() const { return face_; }

  // Writes the window's help line; nothing when the window has no help label.
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
  // After the controls were placed for a new size.
  void resized();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Control {
    const ControlDesign* design;
    QWidget* widget;
    TwipRect rect;       // where it stands: the design's rectangle unless moved
    QLabel* help_label;  // where its help line goes
    bool highlight;
    bool enter_as_tab;
    bool queue_tab;  // Enter queues the Tab and is not consumed
  };
  struct Listening {
    std::size_t control;  // index, or controls_.size() for the form itself
    Event event;
    Listener listener;
  };

  void build();
  void build_control(const ControlDesign& d);
  void connect_signals(std::size_t index);
  void place();
  void apply_fonts();
  void apply_tab_order();
  void wire(const Control& control);
  [[nodiscard]] std::size_t index_of(ControlRef control) const;
  [[nodiscard]] const Control* find(const QObject* widget) const;
  void hover(const Control& c);
  // The pointer over the area of `c`; nullptr is the form's own area.
  void hover_area(const Control* c);
  // Whose area the pointer over `at` is in: the control of `at` (or of the nearest widget above
  // it) while enabled, else the nearest enabled container holding it; nullptr for the form.
  [[nodiscard]] const Control* mouse_owner(QWidget* at) const;
  // The owner of the pointer at `at` of `holder` (a container or the form).
  [[nodiscard]] const Control* control_under(QWidget* holder, QPoint at) const;
  void write_help(const Control& c, const QString& text);
  // Runs the listeners of the event; true when a key handler swallowed the key.
  bool dispatch(std::size_t control, Event event, int key = 0);
  bool key_pressed(const Control& c, const QKeyEvent& key);
  // Tab from `from` onto a control of a tab page that is not in front brings the page to the
  // front and focuses it (the pages form one tab order); false when Qt's own move serves.
  bool tab_across_pages(const Control& from, bool backward);
  [[nodiscard]] const Control* page_of(const Control& c) const;
  // The tab control got the focus: it goes on to the first control of the page in front.
  void focus_into_page(const Control& tabs);

  WindowDesign design_;
  std::vector<Control> controls_;
  std::unordered_map<std::string, std::size_t> by_name_;
  std::vector<Listening> listeners_;
  std::vector<std::size_t> tab_order_;  // the controls with a place in the tab order, in it
  QString face_;
  bool face_overridden_ = false;
  bool dropping_focus_ = false;
  unsigned refusals_ = 0;  // entries refused so far, which a move on Enter checks
  ViewMask view_ = kEveryView;
  QLabel* help_label_ = nullptr;
  double scale_x_ = 1.0;
  double scale_y_ = 1.0;
};

}  // namespace pellavan::platform
