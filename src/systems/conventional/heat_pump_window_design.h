#pragma once
// The design of the heat-pump window: the heat pump, its capacity and cut-off, the coil
// condition, the backup furnace with its mode, input and minimum, the coil combination and the
// water heater on the left, the frame's panel and buttons on the right.

#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/conventional_frame_design.h"

namespace pellavan::systems::heat_pump_window {

using platform::ControlDesign;
using platform::ControlKind;

#define PELLAVAN_BOX(label_name, text, box, top, tab, topic, limit, unit, unit_text) \
  ControlDesign{.name = label_name,                                                  \
                .kind = ControlKind::Label,                                          \
                .caption = text,                                                     \
                .rect = {240, (top) + 40, 2200, 255}},                               \
      ControlDesign{.name = box,                                                     \
                    .kind = ControlKind::TextBox,                                    \
                    .rect = {2520, top, 1500, 315},                                  \
                    .help_topic = (topic),                                           \
                    .tab_index = (tab),                                              \
                    .max_length = (limit)},                                          \
      ControlDesign {                                                                \
    .name = unit, .kind = ControlKind::Label, .caption = unit_text, .rect = {        \
      4140,                                                                          \
      (top) + 40,                                                                    \
      1400,                                                                          \
      255                                                                            \
    }                                                                                \
  }

inline constexpr ControlDesign kControls[] = {
    PELLAVAN_CONVENTIONAL_FRAME(9, 1310, 1320, 1390),
    PELLAVAN_SYSTEM_CAPTION("lblAir", "Heat Pump Selection", 240),
    PELLAVAN_SYSTEM_LIST("ComboAir", 500, 0, 1370),
    {.name = "ComboAir2",
     .kind = ControlKind::ComboBox,
     .rect = {240, 500, 5400, 315},
     .views = platform::kNoView},
    PELLAVAN_BOX("lblCap", "ARI Cooling Capacity", "txtAA95cap", 920, 1, 1330, 7, "Lab2", "Btu/Hr"),
    PELLAVAN_BOX("lblCut", "Cut-Off Temp", "txtAaCutTmp", 1320, 2, 1340, 5, "Lab10", "Degrees F"),
    PELLAVAN_SYSTEM_CAPTION("lblCond", "Outdoor Coil Condition", 1760),
    PELLAVAN_SYSTEM_LIST("ComboCoilCondition", 2020, 3, 1356),
    PELLAVAN_SYSTEM_CAPTION("lblFurnace", "Auxiliary Heat Selection", 2480),
    PELLAVAN_SYSTEM_LIST("ComboFurnace", 2740, 4, 1360),
    PELLAVAN_SYSTEM_CAPTION("lblAux", "Auxiliary Heat Operation Mode", 3200),
    PELLAVAN_SYSTEM_LIST("ComboAuxHeat", 3460, 5, 1352),
    PELLAVAN_BOX("lblInput", "Input Capacity", "txtAAFinput", 3880, 6, 1350, 7, "txtBtuKw",
                 "Btu/hr"),
    {.name = "lblMin",
     .kind = ControlKind::Label,
     .caption = "Minimum Calculated Input Capacity",
     .rect = {240, 4320, 3300, 255}},
    {.name = "txtMinInput", .kind = ControlKind::Label, .rect = {3540, 4320, 1100, 255}},
    {.name = "lblBtuKw2",
     .kind = ControlKind::Label,
     .caption = "Btu/hr",
     .rect = {4680, 4320, 900, 255}},
    PELLAVAN_SYSTEM_CAPTION("textCoilQuality", "Indoor Coil Combination - Std Fan", 4760),
    PELLAVAN_SYSTEM_LIST("ComboCoilQuality", 5020, 7, 1354),
    PELLAVAN_SYSTEM_CAPTION("lblWH", "Water Heater Selection", 5480),
    PELLAVAN_SYSTEM_LIST("ComboWH", 5740, 8, 1380),
    {.name = "ComboWH2",
     .kind = ControlKind::ComboBox,
     .rect = {240, 5740, 5400, 315},
     .views = platform::kNoView},
};

#undef PELLAVAN_BOX

inline const platform::WindowDesign kDesign =
    system_design("Form6", "Heat Pump", 1200, kControls, heat_pump_check_tables());

inline constexpr FrameControls kFrame = frame_controls(kControls);
using platform::ComboHandle;
using platform::LabelHandle;
using platform::TextBoxHandle;
inline constexpr ComboHandle ComboAir{kControls, "ComboAir"};
inline constexpr ComboHandle ComboAir2{kControls, "ComboAir2"};
inline constexpr ComboHandle ComboFurnace{kControls, "ComboFurnace"};
inline constexpr ComboHandle ComboAuxHeat{kControls, "ComboAuxHeat"};
inline constexpr ComboHandle ComboCoilQuality{kControls, "ComboCoilQuality"};
inline constexpr ComboHandle ComboCoilCondition{kControls, "ComboCoilCondition"};
inline constexpr ComboHandle ComboWH{kControls, "ComboWH"};
inline constexpr ComboHandle ComboWH2{kControls, "ComboWH2"};
inline constexpr TextBoxHandle txtAA95cap{kControls, "txtAA95cap"};
inline constexpr TextBoxHandle txtAaCutTmp{kControls, "txtAaCutTmp"};
inline constexpr TextBoxHandle txtAAFinput{kControls, "txtAAFinput"};
inline constexpr LabelHandle txtMinInput{kControls, "txtMinInput"};
inline constexpr LabelHandle Lab2{kControls, "Lab2"};
inline constexpr LabelHandle Lab10{kControls, "Lab10"};
inline constexpr LabelHandle txtBtuKw{kControls, "txtBtuKw"};
inline constexpr LabelHandle lblBtuKw2{kControls, "lblBtuKw2"};
inline constexpr LabelHandle textCoilQuality{kControls, "textCoilQuality"};

}  // namespace pellavan::systems::heat_pump_window
