#pragma once
// A design table joined from single controls and groups of them (a labelled box, a row of a
// grid, the rows two windows share), in their order, as a constexpr array the handles search:
//
//   inline constexpr auto kControls = design_table(ControlDesign{...}, labelled_box(...), ...);
//
// and the plain label most tables hold.

#include <array>
#include <cstddef>
#include <type_traits>

#include "platform/window_design.h"

namespace pellavan::platform {

namespace design_table_detail {
template <class T>
inline constexpr std::size_t kCount = 1;
template <std::size_t N>
inline constexpr std::size_t kCount<std::array<ControlDesign, N>> = N;
}  // namespace design_table_detail

// A label of the usual height in `container` ("" for the window).
[[nodiscard]] constexpr ControlDesign design_label(const char* name, const char* text,
                                                   const char* container, int left, int top,
                                                   int width) {
  return ControlDesign{.name = name,
                       .kind = ControlKind::Label,
                       .caption = text,
                       .rect = {left, top, width, 255},
                       .container = container};
}

template <class... Parts>
[[nodiscard]] constexpr auto design_table(const Parts&... parts) {
  std::array<ControlDesign, (design_table_detail::kCount<Parts> + ...)> table{};
  std::size_t i = 0;
  const auto put = [&](const auto& part) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(part)>, ControlDesign>) {
      table[i++] = part;
    } else {
      for (const ControlDesign& control : part) table[i++] = control;
    }
  };
  (put(parts), ...);
  return table;
}

}  // namespace pellavan::platform
