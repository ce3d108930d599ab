#pragma once
// The sizes each window is opened at in the normal and the large layout (outer size in twips,
// the face of its controls). Each window's design names its own; the project, rates and system
// windows take theirs from here once they are built.

#include "platform/layout_fonts.h"
#include "platform/window_design.h"

namespace pellavan::program_state {

using platform::kLargeLayoutFace;
using platform::kNormalLayoutFace;
using platform::WindowPreset;
using platform::WindowSizes;

inline constexpr WindowPreset kNormalInput{15250, 10500, kNormalLayoutFace};
inline constexpr WindowPreset kLargeInput{22100, 13650, kLargeLayoutFace};

// The project-information window (also as "Create New Project" opens it), the utility-rates,
// heat-pump and furnace/boiler windows.
inline constexpr WindowSizes kInputWindowSizes{kNormalInput, kLargeInput};
inline constexpr WindowSizes kGeoWindowSizes{{15250, 10525, kNormalLayoutFace}, kLargeInput};
inline constexpr WindowSizes kGeoTWindowSizes{{15250, 10535, kNormalLayoutFace}, kLargeInput};
// "Open Existing Project" sizes the project window its own way.
inline constexpr WindowSizes kOpenProjectSizes{{12000, 7900, kNormalLayoutFace},
                                               {15250, 10650, kLargeLayoutFace}};
// The dealer window, whatever the layout.
inline constexpr WindowSizes kSetupWindowSizes{kNormalInput, kNormalInput};
// The main window keeps "new times roman" in both layouts.
inline constexpr WindowSizes kMainWindowSizes{{15250, 10500, kLargeLayoutFace},
                                              {22100, 13650, kLargeLayoutFace}};

// The zoom of a system window's result view in each layout.
inline constexpr int kNormalResultZoom = 130;
inline constexpr int kLargeResultZoom = 175;
[[nodiscard]] constexpr int result_view_zoom(bool large) {
  return large ? kLargeResultZoom : kNormalResultZoom;
}

}  // namespace pellavan::program_state
