#pragma once
// The design of the main window: its controls, its menu bar and its two views.

#include <span>

#include "platform/menu_design.h"
#include "platform/window_design.h"

namespace pellavan::app {

inline constexpr platform::ViewMask kStartView = 1;    // after the window's load
inline constexpr platform::ViewMask kProjectView = 2;  // once a project is created or opened

[[nodiscard]] const platform::WindowDesign& main_window_design();
[[nodiscard]] std::span<const platform::MenuItemDesign> main_window_menus();

}  // namespace pellavan::app
