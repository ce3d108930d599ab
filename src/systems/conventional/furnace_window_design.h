#pragma once
// The design of the furnace/boiler window: the furnace, its input and the minimum, the coil
// combination, the air conditioner and its capacity, the coil condition and the water heater on
// the left, the frame's panel and buttons on the right.

#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/conventional_frame_design.h"

namespace pellavan::systems::furnace_window {

using platform::ControlDesign;
using platform::ControlKind;

inline constexpr ControlDesign kControls[] = {
    PELLAVAN_CONVENTIONAL_FRAME(7, 1120, 1110, 1130),
    PELLAVAN_SYSTEM_CAPTION("lblFurnace", "Furnace / Boiler Selection", 240),
    PELLAVAN_SYSTEM_LIST("ComboFurnace", 500, 0, 1160),
    {.name = "lblInput",
     .kind = ControlKind::Label,
     .caption = "Input Capacity",
     .rect = {240, 1000, 2200, 255}},
    {.name = "txtAAFinput",
     .kind = ControlKind::TextBox,
     .rect = {2520, 960, 1500, 315},
     .help_topic = 1170,
     .tab_index = 1,
     .max_length = 7},
    {.name = "lblBtuKw2",
     .kind = ControlKind::Label,
     .caption = "Btu/hr",
     .rect = {4140, 1000, 1200, 255}},
    {.name = "lblMin",
     .kind = ControlKind::Label,
     .caption = "Minimum Calculated Input Capacity",
     .rect = {240, 1400, 3300, 255}},
    {.name = "txtMinInput", .kind = ControlKind::Label, .rect = {3540, 1400, 1100, 255}},
    {.name = "txtBtuKw",
     .kind = ControlKind::Label,
     .caption = "Btu/hr",
     .rect = {4680, 1400, 900, 255}},
    PELLAVAN_SYSTEM_CAPTION("textCoilQuality", "Indoor Coil Combination", 1860),
    PELLAVAN_SYSTEM_LIST("ComboCoilQuality", 2120, 2, 1182),
    PELLAVAN_SYSTEM_CAPTION("lblAC", "Air Conditioner Selection", 2640),
    PELLAVAN_SYSTEM_LIST("ComboAC", 2900, 3, 1150),
    {.name = "ComboAC2",
     .kind = ControlKind::ComboBox,
     .rect = {240, 2900, 5400, 315},
     .views = platform::kNoView},
    {.name = "lblCap",
     .kind = ControlKind::Label,
     .caption = "ARI Cooling Capacity",
     .rect = {240, 3400, 2200, 255}},
    {.name = "txtAA95cap",
     .kind = ControlKind::TextBox,
     .rect = {2520, 3360, 1500, 315},
     .help_topic = 1180,
     .tab_index = 4,
     .max_length = 7},
    {.name = "txt10",
     .kind = ControlKind::Label,
     .caption = "Btu/hr",
     .rect = {4140, 3400, 1200, 255}},
    PELLAVAN_SYSTEM_CAPTION("lblCond", "Outdoor Coil Condition", 3860),
    PELLAVAN_SYSTEM_LIST("ComboCoilCondition", 4120, 5, 1184),
    PELLAVAN_SYSTEM_CAPTION("lblWH", "Water Heater Selection", 4640),
    PELLAVAN_SYSTEM_LIST("ComboWH", 4900, 6, 1140),
    {.name = "ComboWH2",
     .kind = ControlKind::ComboBox,
     .rect = {240, 4900, 5400, 315},
     .views = platform::kNoView},
};

inline const platform::WindowDesign kDesign =
    system_design("Form2", "Furnace / Boiler", 1020, kControls, furnace_check_tables());

inline constexpr FrameControls kFrame = frame_controls(kControls);
using platform::ComboHandle;
using platform::LabelHandle;
using platform::TextBoxHandle;
inline constexpr ComboHandle ComboFurnace{kControls, "ComboFurnace"};
inline constexpr ComboHandle ComboCoilQuality{kControls, "ComboCoilQuality"};
inline constexpr ComboHandle ComboAC{kControls, "ComboAC"};
inline constexpr ComboHandle ComboAC2{kControls, "ComboAC2"};
inline constexpr ComboHandle ComboCoilCondition{kControls, "ComboCoilCondition"};
inline constexpr ComboHandle ComboWH{kControls, "ComboWH"};
inline constexpr ComboHandle ComboWH2{kControls, "ComboWH2"};
inline constexpr TextBoxHandle txtAAFinput{kControls, "txtAAFinput"};
inline constexpr TextBoxHandle txtAA95cap{kControls, "txtAA95cap"};
inline constexpr LabelHandle txtMinInput{kControls, "txtMinInput"};
inline constexpr LabelHandle lblBtuKw2{kControls, "lblBtuKw2"};
inline constexpr LabelHandle txtBtuKw{kControls, "txtBtuKw"};
inline constexpr LabelHandle txt10{kControls, "txt10"};
inline constexpr LabelHandle textCoilQuality{kControls, "textCoilQuality"};

}  // namespace pellavan::systems::furnace_window
