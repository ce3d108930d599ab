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

inline constexpr auto kControls = platform::design_table(
    conventional_frame(7, 1120, 1110, 1130),
    system_choice("lblFurnace", "ComboFurnace", "Furnace / Boiler Selection", 500, 0, 1160),
    system_input(960, 1, 1170, "lblBtuKw2", "txtBtuKw"),
    system_choice("textCoilQuality", "ComboCoilQuality", "Indoor Coil Combination", 2120, 2, 1182),
    system_pictured("lblAC", "ComboAC", "ComboAC2", "Air Conditioner Selection", 2900, 3, 1150),
    system_box("lblCap", "ARI Cooling Capacity", "txtAA95cap", 3360, 4, 1180, 7, "txt10", "Btu/hr"),
    system_choice("lblCoilCondition", "ComboCoilCondition", "Outdoor Coil Condition", 4120, 5,
                  1184),
    system_pictured("lblWH", "ComboWH", "ComboWH2", "Water Heater Selection", 4900, 6, 1140));

inline constexpr EquipmentControls kEquipment =
    equipment_controls(kControls, {"ComboAC", "ComboAC2", "txt10", "lblBtuKw2", "txtBtuKw"});
inline constexpr auto kChecks =
    furnace_rows({kEquipment.txtAA95cap.ref, kEquipment.txtAAFinput.ref, {}});
inline constexpr model::CheckTable kCheckTables[] = {{"furnace/boiler", kChecks}};
inline const platform::WindowDesign kDesign =
    system_design("Form2", "Furnace / Boiler", 1020, kControls, kCheckTables);

}  // namespace furnace_window

namespace heat_pump_window {

inline constexpr auto kControls = platform::design_table(
    conventional_frame(9, 1310, 1320, 1390),
    system_pictured("lblAir", "ComboAir", "ComboAir2", "Heat Pump Selection", 500, 0, 1370),
    system_box("lblCap", "ARI Cooling Capacity", "txtAA95cap", 920, 1, 1330, 7, "Lab2", "Btu/Hr"),
    system_box("lblCut", "Cut-Off Temp", "txtAaCutTmp", 1320, 2, 1340, 5, "Lab10", "Degrees F"),
    system_choice("lblCoilCondition", "ComboCoilCondition", "Outdoor Coil Condition", 2020, 3,
                  1356),
    system_choice("lblFurnace", "ComboFurnace", "Auxiliary Heat Selection", 2740, 4, 1360),
    system_choice("lblAuxHeat", "ComboAuxHeat", "Auxiliary Heat Operation Mode", 3460, 5, 1352),
    system_input(3880, 6, 1350, "txtBtuKw", "lblBtuKw2"),
    system_choice("textCoilQuality", "ComboCoilQuality", "Indoor Coil Combination - Std Fan", 5020,
                  7, 1354),
    system_pictured("lblWH", "ComboWH", "ComboWH2", "Water Heater Selection", 5740, 8, 1380));

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
