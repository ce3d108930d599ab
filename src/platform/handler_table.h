#pragma once
// Handler tables: a window's (control, event, member function) rows, wired by one routine when
// the window is built. A row names one control, a control array (its handler gets the element's
// index) or the window itself (kThisWindow, for MouseMove).
//
//   static const platform::On<DealerWindow> kHandlers[] = {
//       {btnSave, Event::Click, &DealerWindow::btnSave_Click},
//       {txtSelect, Event::GotFocus, &MainWindow::txtSelect_GotFocus},  // void (int index)
//       {txtDpth, Event::KeyPress, &GeoWindow::txtDpth_KeyPress},       // void (ControlEvent&)
//   };
//   wire(form(), *this, kHandlers);
//
// Which control raises which event: Click - buttons, check boxes and option buttons when their
// value changes (an option only when it becomes selected; also when set by the program), lists
// when their selection changes; Change - a text box's text, a scroll bar's value; GotFocus,
// LostFocus, KeyDown, KeyPress, MouseMove - every control; DropDown - lists. The listeners go with
// the form's stop_listening(), which DesignedWindow calls before the window's own parts are
// destroyed.

#include <cstddef>
#include <span>
#include <variant>

#include "platform/control_handle.h"
#include "platform/designed_form.h"

namespace pellavan::platform {

// One control, the elements of a control array, or the window itself.
class Controls {
 public:
  constexpr Controls(ControlRef one) : one_(one) {}  // NOLINT: rows name controls directly
  template <ControlKind K>
  constexpr Controls(Handle<K> one) : one_(one.ref) {}  // NOLINT
  template <ControlKind K, int N>
  constexpr Controls(const HandleArray<K, N>& array)  // NOLINT
      : many_(array.refs.data()), count_(static_cast<std::size_t>(N)) {}

  [[nodiscard]] constexpr std::span<const ControlRef> refs() const {
    return many_ != nullptr ? std::span<const ControlRef>(many_, count_)
                            : std::span<const ControlRef>(&one_, 1);
  }

 private:
  ControlRef one_{};
  const ControlRef* many_ = nullptr;
  std::size_t count_ = 0;
};

inline constexpr ControlRef kThisWindow{};

template <class W>
using Handler = std::variant<void (W::*)(), void (W::*)(int), void (W::*)(ControlEvent&)>;

template <class W>
struct On {
  Controls controls;
  Event event;
  Handler<W> handler;
};

template <class W>
void wire(DesignedForm& form, W& window, std::span<const On<W>> rows) {
  for (const On<W>& row : rows) {
    for (const ControlRef& ref : row.controls.refs()) {
      form.listen(ref, row.event, [w = &window, handler = row.handler](ControlEvent& e) {
        if (auto* plain = std::get_if<void (W::*)()>(&handler))
          (w->**plain)();
        else if (auto* indexed = std::get_if<void (W::*)(int)>(&handler))
          (w->**indexed)(e.index);
        else
          (w->*std::get<void (W::*)(ControlEvent&)>(handler))(e);
      });
    }
  }
}

}  // namespace pellavan::platform
