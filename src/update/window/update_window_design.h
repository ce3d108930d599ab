#pragma once
// The design of the update window UpdateVersion2: the notice and the link in their frame, and
// the Close button.

#include "platform/control_handle.h"
#include "platform/layout_fonts.h"
#include "platform/window_design.h"
#include "update/update_notice.h"

namespace pellavan::update::update_window {

using platform::ControlDesign;
using platform::ControlKind;

inline constexpr ControlDesign kControls[] = {
    {.name = "Frame1",
     .kind = ControlKind::Frame,
     .caption = UpdateNotice::kFrame,
     .rect = {120, 120, 6360, 2250}},
    {.name = "lblTextUpdate",
     .kind = ControlKind::Label,
     .rect = {200, 320, 5960, 1250},
     .container = "Frame1"},
    {.name = "Label1",
     .kind = ControlKind::Label,
     .caption = UpdateNotice::kLink,
     .rect = {200, 1750, 2200, 300},
     .container = "Frame1",
     .fore = platform::rgb(0, 0, 255)},
    {.name = "Command1",
     .kind = ControlKind::Button,
     .caption = UpdateNotice::kClose,
     .rect = {5180, 2500, 1300, 450},
     .tab_index = 0},
};

inline constexpr platform::WindowPreset kPreset{6600 + 180, 3100 + 500,
                                                platform::kNormalLayoutFace};

inline constexpr platform::WindowDesign kDesign{.name = "UpdateVersion2",
                                                .caption = UpdateNotice::kCaption,
                                                .client_width = 6600,
                                                .client_height = 3100,
                                                .controls = kControls,
                                                .sizes = {kPreset, kPreset}};

inline constexpr platform::LabelHandle lblTextUpdate{kControls, "lblTextUpdate"};
inline constexpr platform::LabelHandle Label1{kControls, "Label1"};
inline constexpr platform::ButtonHandle Command1{kControls, "Command1"};

}  // namespace pellavan::update::update_window
