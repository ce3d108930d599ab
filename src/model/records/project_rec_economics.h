#pragma once
// Field tables of the last three blocks of ProjectRec, file offsets 6581..10664 (combined in
// project_rec.h).

// Economics: three options of nine values each plus a reserved fourth slot; row 19 holds
// Int16 values and an 8-byte slot. Comes only from the default or project file.
#define PELLAVAN_PROJECT_ECON_FIELDS(F, A) \
  F(6581, Int16, Econ_Flag1)               \
  F(6583, Int16, Econ_Flag2)               \
  F(6585, Int16, Econ_Flag3)               \
  F(6587, Int16, Econ_Flag4)               \
  F(6589, Text<50>, Econ_Text1)            \
  F(6639, Text<50>, Econ_Text2)            \
  F(6689, Text<50>, Econ_Text3)            \
  F(6739, Text<50>, Econ_Text4)            \
  F(6789, Currency, Econ_Value11_1)        \
  F(6797, Currency, Econ_Value11_2)        \
  F(6805, Currency, Econ_Value11_3)        \
  F(6813, Spare<8>, Econ_Value11_4)        \
  F(6821, Currency, Econ_Value12_1)        \
  F(6829, Currency, Econ_Value12_2)        \
  F(6837, Currency, Econ_Value12_3)        \
  F(6845, Spare<8>, Econ_Value12_4)        \
  F(6853, Currency, Econ_Value15_1)        \
  F(6861, Currency, Econ_Value15_2)        \
  F(6869, Currency, Econ_Value15_3)        \
  F(6877, Spare<8>, Econ_Value15_4)        \
  F(6885, Currency, Econ_Value16_1)        \
  F(6893, Currency, Econ_Value16_2)        \
  F(6901, Currency, Econ_Value16_3)        \
  F(6909, Spare<8>, Econ_Value16_4)        \
  F(6917, Currency, Econ_Value17_1)        \
  F(6925, Currency, Econ_Value17_2)        \
  F(6933, Currency, Econ_Value17_3)        \
  F(6941, Spare<8>, Econ_Value17_4)        \
  F(6949, Currency, Econ_Value18_1)        \
  F(6957, Currency, Econ_Value18_2)        \
  F(6965, Currency, Econ_Value18_3)        \
  F(6973, Spare<8>, Econ_Value18_4)        \
  F(6981, Int16, Econ_Value19_1)           \
  F(6983, Int16, Econ_Value19_2)           \
  F(6985, Int16, Econ_Value19_3)           \
  F(6987, Spare<8>, Econ_Value19_4)        \
  F(6995, Currency, Econ_Value20_1)        \
  F(7003, Currency, Econ_Value20_2)        \
  F(7011, Currency, Econ_Value20_3)        \
  F(7019, Spare<8>, Econ_Value20_4)        \
  F(7027, Currency, Econ_Value21_1)        \
  F(7035, Currency, Econ_Value21_2)        \
  F(7043, Currency, Econ_Value21_3)        \
  F(7051, Spare<8>, Econ_Value21_4)        \
  F(7059, Text<2000>, Econ_Spare1)

// Rates: prices per kWh, per Ccf of gas and per US gallon of propane or oil; inflation as
// a yearly fraction.
#define PELLAVAN_PROJECT_RATES_FIELDS(F, A)      \
  F(9059, Currency, Rates_GeoElecSummer)         \
  F(9067, Currency, Rates_GeoElecWinter)         \
  F(9075, Spare<8>, Rates_Spare1)                \
  F(9083, Spare<8>, Rates_Spare2)                \
  F(9091, Currency, Rates_HeatPumpElecSummer)    \
  F(9099, Currency, Rates_HeatPumpElecWinter)    \
  F(9107, Currency, Rates_FossilElecSummer)      \
  F(9115, Currency, Rates_FossilElecWinter)      \
  F(9123, Currency, Rates_GasSummer)             \
  F(9131, Currency, Rates_GasWinter)             \
  F(9139, Currency, Rates_PropaneSummer)         \
  F(9147, Currency, Rates_PropaneWinter)         \
  F(9155, Currency, Rates_OilSummer)             \
  F(9163, Currency, Rates_OilWinter)             \
  F(9171, Text<6>, Rates_CurrencyId)             \
  F(9177, Text<1>, Rates_GasPerGJ)               \
  F(9178, Text<101>, Rates_Spare3)               \
  F(9279, Currency, Rates_GeoElecInflation)      \
  F(9287, Currency, Rates_HeatPumpElecInflation) \
  F(9295, Currency, Rates_FossilElecInflation)   \
  F(9303, Currency, Rates_GasInflation)          \
  F(9311, Currency, Rates_PropaneInflation)      \
  F(9319, Currency, Rates_OilInflation)          \
  F(9327, Text<108>, Rates_Spare4)               \
  F(9435, Text<40>, Rates_ElecUtility)           \
  F(9475, Text<40>, Rates_GasUtility)            \
  F(9515, Text<40>, Rates_PropaneProvider)       \
  F(9555, Text<40>, Rates_OilProvider)           \
  F(9595, Text<50>, Rates_Description)           \
  F(9645, Text<20>, Rates_FileName)              \
  F(9665, Text<55>, Rates_Spare5)

// Results: the 22 summary values stored after every recalculation (costs a year, °F, ft).
#define PELLAVAN_PROJECT_RESULTS_FIELDS(F, A)         \
  F(9720, Currency, Result_GeoA_AvgSourceClg)         \
  F(9728, Currency, Result_GeoA_AvgSourceHtg)         \
  F(9736, Currency, Result_GeoA_SourceSize)           \
  F(9744, Currency, Result_GeoA_HeatingCost)          \
  F(9752, Currency, Result_GeoA_CoolingCost)          \
  F(9760, Currency, Result_GeoA_WaterHeatingCost)     \
  F(9768, Currency, Result_GeoA_FanCost)              \
  F(9776, Currency, Result_GeoB_AvgSourceClg)         \
  F(9784, Currency, Result_GeoB_AvgSourceHtg)         \
  F(9792, Currency, Result_GeoB_SourceSize)           \
  F(9800, Currency, Result_GeoB_HeatingCost)          \
  F(9808, Currency, Result_GeoB_CoolingCost)          \
  F(9816, Currency, Result_GeoB_WaterHeatingCost)     \
  F(9824, Currency, Result_GeoB_FanCost)              \
  F(9832, Currency, Result_HeatPump_HeatingCost)      \
  F(9840, Currency, Result_HeatPump_CoolingCost)      \
  F(9848, Currency, Result_HeatPump_WaterHeatingCost) \
  F(9856, Currency, Result_HeatPump_FanCost)          \
  F(9864, Currency, Result_Furnace_HeatingCost)       \
  F(9872, Currency, Result_Furnace_CoolingCost)       \
  F(9880, Currency, Result_Furnace_WaterHeatingCost)  \
  F(9888, Currency, Result_Furnace_FanCost)           \
  F(9896, Text<769>, Result_Spare1)
