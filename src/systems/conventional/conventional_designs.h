#pragma once
// The designs of the two conventional windows, each a left-hand column of its own and the
// frame's panel and buttons on the right. The furnace/boiler window: the furnace, its input and
// the minimum, the coil combination, the air conditioner and its capacity, the coil condition
// and the water heater. The heat-pump window: the heat pump, its capacity and cut-off, the coil
// condition, the backup furnace with its mode, input and minimum, the coil combination and the
// water heater.

#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/conventional_frame_design.h"

namespace pellavan::systems {

namespace furnace_window {

inline constexpr platform::ControlDesign kControls[] = {
    PELLAVAN_CONVENTIONAL_FRAME(7, 1120, 1110, 1130),
    PELLAVAN_SYSTEM_CHOICE(Furnace, "Furnace / Boiler Selection", 500, 0, 1160),
    PELLAVAN_SYSTEM_INPUT(960, 1, 1170, "lblBtuKw2", "txtBtuKw"),
    PELLAVAN_SYSTEM_COILS("Indoor Coil Combination", 2120, 2, 1182),
    PELLAVAN_SYSTEM_PICTURED(AC, "Air Conditioner Selection", 2900, 3, 1150),
    PELLAVAN_SYSTEM_BOX("lblCap", "ARI Cooling Capacity", "txtAA95cap", 3360, 4, 1180, 7, "txt10",
                        "Btu/hr"),
    PELLAVAN_SYSTEM_CHOICE(CoilCondition, "Outdoor Coil Condition", 4120, 5, 1184),
    PELLAVAN_SYSTEM_PICTURED(WH, "Water Heater Selection", 4900, 6, 1140),
};

inline constexpr EquipmentControls kEquipment =
    equipment_controls(kControls, {"ComboAC", "ComboAC2", "txt10", "lblBtuKw2", "txtBtuKw"});
inline constexpr auto kChecks =
    furnace_rows({kEquipment.txtAA95cap.ref, kEquipment.txtAAFinput.ref, {}});
inline constexpr model::CheckTable kCheckTables[] = {{"furnace/boiler", kChecks}};
inline const platform::WindowDesign kDesign =
    system_design("Form2", "Furnace / Boiler", 1020, kControls, kCheckTables);

}  // namespace furnace_window

namespace heat_pump_window {

inline constexpr platform::ControlDesign kControls[] = {
    PELLAVAN_CONVENTIONAL_FRAME(9, 1310, 1320, 1390),
    PELLAVAN_SYSTEM_PICTURED(Air, "Heat Pump Selection", 500, 0, 1370),
    PELLAVAN_SYSTEM_BOX("lblCap", "ARI Cooling Capacity", "txtAA95cap", 920, 1, 1330, 7, "Lab2",
                        "Btu/Hr"),
    PELLAVAN_SYSTEM_BOX("lblCut", "Cut-Off Temp", "txtAaCutTmp", 1320, 2, 1340, 5, "Lab10",
                        "Degrees F"),
    PELLAVAN_SYSTEM_CHOICE(CoilCondition, "Outdoor Coil Condition", 2020, 3, 1356),
    PELLAVAN_SYSTEM_CHOICE(Furnace, "Auxiliary Heat Selection", 2740, 4, 1360),
    PELLAVAN_SYSTEM_CHOICE(AuxHeat, "Auxiliary Heat Operation Mode", 3460, 5, 1352),
    PELLAVAN_SYSTEM_INPUT(3880, 6, 1350, "txtBtuKw", "lblBtuKw2"),
    PELLAVAN_SYSTEM_COILS("Indoor Coil Combination - Std Fan", 5020, 7, 1354),
    PELLAVAN_SYSTEM_PICTURED(WH, "Water Heater Selection", 5740, 8, 1380),
};

inline constexpr EquipmentControls kEquipment =
    equipment_controls(kControls, {"ComboAir", "ComboAir2", "Lab2", "txtBtuKw", "lblBtuKw2"});
inline constexpr platform::ComboHandle ComboAuxHeat{kControls, "ComboAuxHeat"};
inline constexpr platform::TextBoxHandle txtAaCutTmp{kControls, "txtAaCutTmp"};
inline constexpr auto kChecks =
    heat_pump_rows({kEquipment.txtAA95cap.ref, kEquipment.txtAAFinput.ref, txtAaCutTmp.ref});
inline constexpr model::CheckTable kCheckTables[] = {{"heat pump", kChecks}};
inline const platform::WindowDesign kDesign =
    system_design("Form6", "Heat Pump", 1200, kControls, kCheckTables);
inline constexpr platform::LabelHandle Lab10{kControls, "Lab10"};

}  // namespace heat_pump_window

}  // namespace pellavan::systems
