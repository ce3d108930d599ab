#include <gtest/gtest.h>

#include "model/records/city_rec.h"
#include "model/records/project_rec.h"
#include "model/records/layout_expectations.h"

namespace pellavan::model {
namespace {

using testing::expect_layout;

TEST(ProjectLayoutTest, EveryFieldAtItsOffset) {
  EXPECT_EQ(ProjectRec::kFileSize, 10665u);
  expect_layout<ProjectRec>({
      {"FileTag", 0, 3}, {"Header_Spare1", 3, 25}, {"Zoom_HeatPumpBin", 28, 2},
      {"Zoom_HeatPumpSummary", 30, 2}, {"Zoom_HeatPumpGraph", 32, 2}, {"Zoom_FurnaceBin", 34, 2},
      {"Zoom_FurnaceSummary", 36, 2}, {"Zoom_FurnaceGraph", 38, 2}, {"Zoom_GeoABin", 40, 2},
      {"Zoom_GeoAGraph", 42, 2}, {"Zoom_GeoASummary", 44, 2}, {"Zoom_GeoBBin", 46, 2},
      {"Zoom_GeoBGraph", 48, 2}, {"Zoom_GeoBSummary", 50, 2}, {"Zoom_GeoTBin", 52, 2},
      {"Zoom_GeoTOperating", 54, 2}, {"Zoom_GeoTGraph", 56, 2}, {"Zoom_GeoTSummary", 58, 2},
      {"Zoom_Project", 60, 2}, {"Zoom_ProjectGraph", 62, 2}, {"BinZoom_GeoA", 64, 2},
      {"BinZoom_GeoB", 66, 2}, {"BinZoom_GeoTBin", 68, 2}, {"BinZoom_GeoTOp", 70, 2},
      {"BinZoom_HeatPump", 72, 2}, {"BinZoom_Furnace", 74, 2}, {"Zoom_Spare1", 76, 35},
      {"Client_Name", 111, 40}, {"Client_Address", 151, 40}, {"Client_Spare1", 191, 40},
      {"Client_City", 231, 40}, {"Client_State", 271, 5}, {"Client_Zip", 276, 15},
      {"Client_Notes", 291, 60}, {"Client_HomePhone", 351, 20}, {"Client_WorkPhone", 371, 20},
      {"Client_CellPhone", 391, 20}, {"Client_Email", 411, 80}, {"Client_Spare2", 491, 116},
      {"Dealer_Name", 607, 40}, {"Dealer_Address", 647, 40}, {"Dealer_Spare1", 687, 40},
      {"Dealer_City", 727, 40}, {"Dealer_State", 767, 5}, {"Dealer_Zip", 772, 15},
      {"Dealer_Phone", 787, 20}, {"Dealer_Fax", 807, 20}, {"Dealer_Notes", 827, 60},
      {"Dealer_CellPhone", 887, 20}, {"Dealer_Email", 907, 80}, {"Dealer_Contact", 987, 40},
      {"Dealer_Spare2", 1027, 76}, {"Project_Number", 1103, 20}, {"Project_Title", 1123, 30},
      {"Project_Date", 1153, 8}, {"Project_Notes", 1161, 165}, {"Project_Spare1", 1326, 300},
      {"System1_Description", 1626, 75}, {"System2_Description", 1701, 75},
      {"System3_Description", 1776, 75}, {"Systems_Spare1", 1851, 300}, {"System1_Type", 2151, 2},
      {"System2_Type", 2153, 2}, {"System3_Type", 2155, 2}, {"Systems_Spare2", 2157, 80},
      {"System1_Freeze", 2237, 2}, {"System2_Freeze", 2239, 2}, {"System3_Freeze", 2241, 2},
      {"Systems_Spare3", 2243, 80}, {"Loads_CityId", 2323, 2}, {"Loads_HeatLoad", 2325, 4},
      {"Loads_HeatDeltaT", 2329, 2}, {"Loads_CoolLoad", 2331, 4}, {"Loads_CoolDeltaT", 2335, 2},
      {"Loads_DhwTemp", 2337, 2}, {"Loads_DhwUsers", 2339, 2}, {"Loads_ContFan", 2341, 2},
      {"Loads_HeatSetPoint", 2343, 2}, {"Loads_CoolSetPoint", 2345, 2},
      {"Loads_CoolStart", 2347, 2}, {"Loads_SolarGain", 2349, 2}, {"Loads_OccupancyGain", 2351, 2},
      {"Loads_ElecGain", 2353, 2}, {"Loads_Construction", 2355, 2},
      {"Loads_SensibleRatio", 2357, 8}, {"Loads_SensibleLoad", 2365, 4},
      {"Loads_SensibleMode", 2369, 2}, {"Loads_Spare1", 2371, 106}, {"Print_BlackWhite", 2477, 2},
      {"Print_Title", 2479, 2}, {"Print_Project", 2481, 2}, {"Print_CompGraph", 2483, 2},
      {"Print_Summary", 2485, 2}, {"Print_Bin", 2487, 2}, {"Print_BinGraph", 2489, 2},
      {"Print_GeoA", 2491, 2}, {"Print_GeoB", 2493, 2}, {"Print_HeatPump", 2495, 2},
      {"Print_Furnace", 2497, 2}, {"Print_Spare1", 2499, 500}, {"GeoT_UnitId", 2999, 2},
      {"GeoT_UnitName", 3001, 40}, {"GeoT_LoopWellHybrid", 3041, 2}, {"GeoT_Tons", 3043, 8},
      {"GeoT_Spare1", 3051, 102}, {"GeoT_LoopId", 3153, 2}, {"GeoT_LoopName", 3155, 40},
      {"GeoT_SoilId", 3195, 2}, {"GeoT_Depth", 3197, 8}, {"GeoT_BoreLength", 3205, 2},
      {"GeoT_HwGenerator", 3207, 2}, {"GeoT_Spare2", 3209, 2}, {"GeoT_SoilName", 3211, 40},
      {"GeoT_LoopMinTemp", 3251, 2}, {"GeoT_LoopMaxTemp", 3253, 2}, {"GeoT_AutoSize", 3255, 2},
      {"GeoT_AuxId", 3257, 2}, {"GeoT_AuxName", 3259, 40}, {"GeoT_AuxInput", 3299, 4},
      {"GeoT_Spare3", 3303, 2}, {"GeoT_Spare4", 3305, 4}, {"GeoT_WaterHeaterId", 3309, 2},
      {"GeoT_WaterHeaterName", 3311, 40}, {"GeoT_AuxMode", 3351, 4}, {"GeoT_Spare5", 3355, 2},
      {"GeoT_Spare6", 3357, 8}, {"GeoT_Spare7", 3365, 2}, {"Print_GeoT", 3367, 2},
      {"GeoT_HeatCapMin", 3369, 8}, {"GeoT_HeatCapMax", 3377, 8}, {"GeoT_CoolCapMin", 3385, 8},
      {"GeoT_CoolCapMax", 3393, 8}, {"GeoT_Spare8", 3401, 98}, {"GeoA_UnitId", 3499, 2},
      {"GeoA_UnitName", 3501, 40}, {"GeoA_LoopWellHybrid", 3541, 2}, {"GeoA_Tons", 3543, 8},
      {"GeoA_Spare1", 3551, 108}, {"GeoA_LoopId", 3659, 2}, {"GeoA_LoopName", 3661, 40},
      {"GeoA_SoilId", 3701, 2}, {"GeoA_Depth", 3703, 8}, {"GeoA_BoreLength", 3711, 2},
      {"GeoA_HwGenerator", 3713, 2}, {"GeoA_Spare2", 3715, 2}, {"GeoA_SoilName", 3717, 40},
      {"GeoA_LoopMinTemp", 3757, 2}, {"GeoA_LoopMaxTemp", 3759, 2}, {"GeoA_AutoSize", 3761, 2},
      {"GeoA_AuxId", 3763, 2}, {"GeoA_AuxName", 3765, 40}, {"GeoA_AuxInput", 3805, 4},
      {"GeoA_Spare3", 3809, 2}, {"GeoA_Spare4", 3811, 4}, {"GeoA_WaterHeaterId", 3815, 2},
      {"GeoA_WaterHeaterName", 3817, 40}, {"GeoA_AuxMode", 3857, 4}, {"GeoA_Tandem", 3861, 2},
      {"GeoA_Unit2Tons", 3863, 8}, {"GeoA_Unit2Id", 3871, 2}, {"GeoA_HydronicMode", 3873, 2},
      {"GeoA_Unit2Name", 3875, 40}, {"GeoA_Spare5", 3915, 442}, {"GeoB_UnitId", 4357, 2},
      {"GeoB_UnitName", 4359, 40}, {"GeoB_LoopWellHybrid", 4399, 2}, {"GeoB_Tons", 4401, 8},
      {"GeoB_Spare1", 4409, 102}, {"GeoB_LoopId", 4511, 2}, {"GeoB_LoopName", 4513, 40},
      {"GeoB_SoilId", 4553, 2}, {"GeoB_Depth", 4555, 8}, {"GeoB_BoreLength", 4563, 2},
      {"GeoB_HwGenerator", 4565, 2}, {"GeoB_Spare2", 4567, 2}, {"GeoB_SoilName", 4569, 40},
      {"GeoB_LoopMinTemp", 4609, 2}, {"GeoB_LoopMaxTemp", 4611, 2}, {"GeoB_AutoSize", 4613, 2},
      {"GeoB_AuxId", 4615, 2}, {"GeoB_AuxName", 4617, 40}, {"GeoB_AuxInput", 4657, 4},
      {"GeoB_Spare3", 4661, 2}, {"GeoB_Spare4", 4663, 4}, {"GeoB_WaterHeaterId", 4667, 2},
      {"GeoB_WaterHeaterName", 4669, 40}, {"GeoB_AuxMode", 4709, 4}, {"GeoB_Spare5", 4713, 2},
      {"GeoB_Spare6", 4715, 8}, {"GeoB_Spare7", 4723, 2}, {"GeoB_Spare8", 4725, 484},
      {"HeatPump_UnitId", 5209, 2}, {"HeatPump_UnitName", 5211, 40}, {"HeatPump_Spare1", 5251, 2},
      {"HeatPump_Spare2", 5253, 2}, {"HeatPump_Capacity", 5255, 4}, {"HeatPump_Spare3", 5259, 8},
      {"HeatPump_BackupId", 5267, 2}, {"HeatPump_BackupName", 5269, 40},
      {"HeatPump_BackupInput", 5309, 4}, {"HeatPump_Spare4", 5313, 8},
      {"HeatPump_CutOffTemp", 5321, 2}, {"HeatPump_Spare5", 5323, 8},
      {"HeatPump_CoilCondition", 5331, 8}, {"HeatPump_Spare6", 5339, 4},
      {"HeatPump_CoilQuality", 5343, 2}, {"HeatPump_Spare7", 5345, 8},
      {"HeatPump_Spare8", 5353, 8}, {"HeatPump_WaterHeaterId", 5361, 2},
      {"HeatPump_WaterHeaterName", 5363, 40}, {"HeatPump_AuxMode", 5403, 4},
      {"HeatPump_Spare9", 5407, 496}, {"Furnace_UnitId", 5903, 2}, {"Furnace_UnitName", 5905, 40},
      {"Furnace_Input", 5945, 4}, {"Furnace_ACId", 5949, 2}, {"Furnace_ACName", 5951, 40},
      {"Furnace_ACCapacity", 5991, 4}, {"Furnace_WaterHeaterId", 5995, 2},
      {"Furnace_WaterHeaterName", 5997, 40}, {"Furnace_Spare1", 6037, 4},
      {"Furnace_CoilCondition", 6041, 8}, {"Furnace_Spare2", 6049, 2},
      {"Furnace_CoilQuality", 6051, 2}, {"Furnace_Spare3", 6053, 2}, {"Furnace_Spare4", 6055, 2},
      {"Furnace_Spare5", 6057, 4}, {"Furnace_Spare6", 6061, 2}, {"Furnace_Spare7", 6063, 2},
      {"Furnace_Spare8", 6065, 4}, {"Furnace_Spare9", 6069, 4}, {"Furnace_Spare10", 6073, 2},
      {"Furnace_Spare11", 6075, 2}, {"Furnace_Spare12", 6077, 2}, {"Furnace_Spare13", 6079, 2},
      {"Furnace_Spare14", 6081, 500}, {"Econ_Flag1", 6581, 2}, {"Econ_Flag2", 6583, 2},
      {"Econ_Flag3", 6585, 2}, {"Econ_Flag4", 6587, 2}, {"Econ_Text1", 6589, 50},
      {"Econ_Text2", 6639, 50}, {"Econ_Text3", 6689, 50}, {"Econ_Text4", 6739, 50},
      {"Econ_Value11_1", 6789, 8}, {"Econ_Value11_2", 6797, 8}, {"Econ_Value11_3", 6805, 8},
      {"Econ_Value11_4", 6813, 8}, {"Econ_Value12_1", 6821, 8}, {"Econ_Value12_2", 6829, 8},
      {"Econ_Value12_3", 6837, 8}, {"Econ_Value12_4", 6845, 8}, {"Econ_Value15_1", 6853, 8},
      {"Econ_Value15_2", 6861, 8}, {"Econ_Value15_3", 6869, 8}, {"Econ_Value15_4", 6877, 8},
      {"Econ_Value16_1", 6885, 8}, {"Econ_Value16_2", 6893, 8}, {"Econ_Value16_3", 6901, 8},
      {"Econ_Value16_4", 6909, 8}, {"Econ_Value17_1", 6917, 8}, {"Econ_Value17_2", 6925, 8},
      {"Econ_Value17_3", 6933, 8}, {"Econ_Value17_4", 6941, 8}, {"Econ_Value18_1", 6949, 8},
      {"Econ_Value18_2", 6957, 8}, {"Econ_Value18_3", 6965, 8}, {"Econ_Value18_4", 6973, 8},
      {"Econ_Value19_1", 6981, 2}, {"Econ_Value19_2", 6983, 2}, {"Econ_Value19_3", 6985, 2},
      {"Econ_Value19_4", 6987, 8}, {"Econ_Value20_1", 6995, 8}, {"Econ_Value20_2", 7003, 8},
      {"Econ_Value20_3", 7011, 8}, {"Econ_Value20_4", 7019, 8}, {"Econ_Value21_1", 7027, 8},
      {"Econ_Value21_2", 7035, 8}, {"Econ_Value21_3", 7043, 8}, {"Econ_Value21_4", 7051, 8},
      {"Econ_Spare1", 7059, 2000}, {"Rates_GeoElecSummer", 9059, 8},
      {"Rates_GeoElecWinter", 9067, 8}, {"Rates_Spare1", 9075, 8}, {"Rates_Spare2", 9083, 8},
      {"Rates_HeatPumpElecSummer", 9091, 8}, {"Rates_HeatPumpElecWinter", 9099, 8},
      {"Rates_FossilElecSummer", 9107, 8}, {"Rates_FossilElecWinter", 9115, 8},
      {"Rates_GasSummer", 9123, 8}, {"Rates_GasWinter", 9131, 8}, {"Rates_PropaneSummer", 9139, 8},
      {"Rates_PropaneWinter", 9147, 8}, {"Rates_OilSummer", 9155, 8}, {"Rates_OilWinter", 9163, 8},
      {"Rates_CurrencyId", 9171, 6}, {"Rates_GasPerGJ", 9177, 1}, {"Rates_Spare3", 9178, 101},
      {"Rates_GeoElecInflation", 9279, 8}, {"Rates_HeatPumpElecInflation", 9287, 8},
      {"Rates_FossilElecInflation", 9295, 8}, {"Rates_GasInflation", 9303, 8},
      {"Rates_PropaneInflation", 9311, 8}, {"Rates_OilInflation", 9319, 8},
      {"Rates_Spare4", 9327, 108}, {"Rates_ElecUtility", 9435, 40}, {"Rates_GasUtility", 9475, 40},
      {"Rates_PropaneProvider", 9515, 40}, {"Rates_OilProvider", 9555, 40},
      {"Rates_Description", 9595, 50}, {"Rates_FileName", 9645, 20}, {"Rates_Spare5", 9665, 55},
      {"Result_GeoA_AvgSourceClg", 9720, 8}, {"Result_GeoA_AvgSourceHtg", 9728, 8},
      {"Result_GeoA_SourceSize", 9736, 8}, {"Result_GeoA_HeatingCost", 9744, 8},
      {"Result_GeoA_CoolingCost", 9752, 8}, {"Result_GeoA_WaterHeatingCost", 9760, 8},
      {"Result_GeoA_FanCost", 9768, 8}, {"Result_GeoB_AvgSourceClg", 9776, 8},
      {"Result_GeoB_AvgSourceHtg", 9784, 8}, {"Result_GeoB_SourceSize", 9792, 8},
      {"Result_GeoB_HeatingCost", 9800, 8}, {"Result_GeoB_CoolingCost", 9808, 8},
      {"Result_GeoB_WaterHeatingCost", 9816, 8}, {"Result_GeoB_FanCost", 9824, 8},
      {"Result_HeatPump_HeatingCost", 9832, 8}, {"Result_HeatPump_CoolingCost", 9840, 8},
      {"Result_HeatPump_WaterHeatingCost", 9848, 8}, {"Result_HeatPump_FanCost", 9856, 8},
      {"Result_Furnace_HeatingCost", 9864, 8}, {"Result_Furnace_CoolingCost", 9872, 8},
      {"Result_Furnace_WaterHeatingCost", 9880, 8}, {"Result_Furnace_FanCost", 9888, 8},
      {"Result_Spare1", 9896, 769},
  });
}

TEST(ProjectLayoutTest, BlocksHaveTheirSizes) {
  struct Row {
    std::string_view name;
    std::size_t first;
    std::size_t bytes;
  };
  const Row rows[] = {
      {"Header", 0, 28},      {"Zoom", 28, 83},       {"Client", 111, 496},
      {"Dealer", 607, 496},   {"Project", 1103, 523}, {"Systems", 1626, 697},
      {"Loads", 2323, 154},   {"Print", 2477, 522},   {"GeoT", 2999, 500},
      {"GeoA", 3499, 858},    {"GeoB", 4357, 852},    {"HeatPump", 5209, 694},
      {"Furnace", 5903, 678}, {"Econ", 6581, 2478},   {"Rates", 9059, 661},
      {"Results", 9720, 945},
  };
  ASSERT_EQ(std::size(rows), kProjectBlocks.size());
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(kProjectBlocks[i].name, rows[i].name);
    EXPECT_EQ(kProjectBlocks[i].first, rows[i].first);
    EXPECT_EQ(kProjectBlocks[i].last + 1 - kProjectBlocks[i].first, rows[i].bytes);
  }
}

TEST(CityLayoutTest, EveryFieldAtItsOffset) {
  EXPECT_EQ(CityRec::kFileSize, 576u);
  expect_layout<CityRec>({
      {"Id", 0, 2}, {"City", 2, 40}, {"State", 42, 10}, {"Spare1", 52, 40}, {"Spare2", 92, 100},
      {"WeatherData", 192, 304}, {"Spare3", 496, 80},
  });
}

}  // namespace
}  // namespace pellavan::model
