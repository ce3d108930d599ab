#pragma once
// Typed handles of a design's controls, found in the design table when the program is
// compiled: a name the table lacks, or a control of another kind, does not compile. A handle
// gives its widget with its own type through the window's form (form[txtDname] is a QLineEdit*).
//
//   inline constexpr TextBoxHandle txtDname{kControls, "txtDname"};
//   inline constexpr TextBoxArray<3> txtSelect{kControls, "txtSelect"};  // txtSelect1..3
//
// The table must be a constexpr array with static storage (an inline constexpr variable of a
// header, or a constexpr one of the window's source file).

#include <array>
#include <cstddef>
#include <span>
#include <stdexcept>
#include <string_view>

#include "platform/control_ref.h"
#include "platform/window_design.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QWidget;

namespace pellavan::platform {

class PictureBox;
class TextArea;

template <ControlKind K>
struct WidgetOf {
  using type = QWidget;
};
template <>
struct WidgetOf<ControlKind::Label> {
  using type = QLabel;
};
template <>
struct WidgetOf<ControlKind::Button> {
  using type = QPushButton;
};
template <>
struct WidgetOf<ControlKind::TextBox> {
  using type = QLineEdit;
};
template <>
struct WidgetOf<ControlKind::TextArea> {
  using type = TextArea;
};
template <>
struct WidgetOf<ControlKind::CheckBox> {
  using type = QCheckBox;
};
template <>
struct WidgetOf<ControlKind::OptionButton> {
  using type = QRadioButton;
};
template <>
struct WidgetOf<ControlKind::ComboBox> {
  using type = QComboBox;
};
template <>
struct WidgetOf<ControlKind::ListBox> {
  using type = QListWidget;
};
template <>
struct WidgetOf<ControlKind::ScrollBar> {
  using type = QScrollBar;
};
template <>
struct WidgetOf<ControlKind::Frame> {
  using type = QGroupBox;
};
template <>
struct WidgetOf<ControlKind::TabControl> {
  using type = QTabWidget;
};
template <>
struct WidgetOf<ControlKind::Picture> {
  using type = PictureBox;
};
template <>
struct WidgetOf<ControlKind::Line> {
  using type = QFrame;
};

namespace detail {

// Evaluated while compiling: a failed search is a throw, which stops the compilation there.
consteval ControlRef find_control(std::span<const ControlDesign> table, std::string_view name,
                                  int index, ControlKind kind) {
  for (const ControlDesign& d : table) {
    if (std::string_view(d.name) != name || d.index != index) continue;
    if (d.kind != kind) throw "the control is of another kind than its handle";
    return ControlRef{&d};
  }
  throw "the design has no control of that name";
}

}  // namespace detail

template <ControlKind K>
struct Handle {
  using Widget = typename WidgetOf<K>::type;
  static constexpr ControlKind kKind = K;

  consteval Handle(std::span<const ControlDesign> table, std::string_view name)
      : ref(detail::find_control(table, name, 0, K)) {}
  explicit constexpr Handle(ControlRef r) : ref(r) {}
  constexpr operator ControlRef() const { return ref; }  // NOLINT: a handle is a reference

  ControlRef ref;
};

template <ControlKind K, int N>
struct HandleArray {
  static_assert(N > 0);
  static constexpr int kCount = N;

  // The elements 1..N of the control array `name`.
  consteval HandleArray(std::span<const ControlDesign> table, std::string_view name) : refs{} {
    for (int i = 0; i < N; ++i)
      refs[static_cast<std::size_t>(i)] = detail::find_control(table, name, i + 1, K);
  }
  // Element `index` (1..N); an index outside the array throws std::out_of_range.
  [[nodiscard]] constexpr Handle<K> operator[](int index) const {
    if (index < 1 || index > N) throw std::out_of_range("control array index outside 1..N");
    return Handle<K>(refs[static_cast<std::size_t>(index - 1)]);
  }

  std::array<ControlRef, static_cast<std::size_t>(N)> refs;
};

using LabelHandle = Handle<ControlKind::Label>;
using ButtonHandle = Handle<ControlKind::Button>;
using TextBoxHandle = Handle<ControlKind::TextBox>;
using TextAreaHandle = Handle<ControlKind::TextArea>;
using CheckBoxHandle = Handle<ControlKind::CheckBox>;
using OptionHandle = Handle<ControlKind::OptionButton>;
using ComboHandle = Handle<ControlKind::ComboBox>;
using ListHandle = Handle<ControlKind::ListBox>;
using ScrollBarHandle = Handle<ControlKind::ScrollBar>;
using FrameHandle = Handle<ControlKind::Frame>;
using TabsHandle = Handle<ControlKind::TabControl>;
using PageHandle = Handle<ControlKind::TabPage>;
using PictureHandle = Handle<ControlKind::Picture>;
using CustomHandle = Handle<ControlKind::Custom>;
template <int N>
using TextBoxArray = HandleArray<ControlKind::TextBox, N>;
template <int N>
using CheckBoxArray = HandleArray<ControlKind::CheckBox, N>;
template <int N>
using OptionArray = HandleArray<ControlKind::OptionButton, N>;
template <int N>
using FrameArray = HandleArray<ControlKind::Frame, N>;
template <int N>
using LabelArray = HandleArray<ControlKind::Label, N>;

}  // namespace pellavan::platform
