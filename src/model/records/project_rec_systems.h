#pragma once
// Field tables of the five system blocks of ProjectRec, file offsets 2999..6580 (combined in
// project_rec.h). Equipment is referenced by catalogue id; the name beside it is the list text
// at the time of saving. Auxiliary modes: 0 supplement, 1 override, 99 take the heater's own.

// Geo T (TUnitRec units); capacity limits are fractions of the rated maximum.
#define PELLAVAN_PROJECT_GEOT_FIELDS(F, A) \
  F(2999, Int16, GeoT_UnitId)              \
  F(3001, Text<40>, GeoT_UnitName)         \
  F(3041, Int16, GeoT_LoopWellHybrid)      \
  F(3043, Currency, GeoT_Tons)             \
  F(3051, Text<102>, GeoT_Spare1)          \
  F(3153, Int16, GeoT_LoopId)              \
  F(3155, Text<40>, GeoT_LoopName)         \
  F(3195, Int16, GeoT_SoilId)              \
  F(3197, Currency, GeoT_Depth)            \
  F(3205, Int16, GeoT_BoreLength)          \
  F(3207, Int16, GeoT_HwGenerator)         \
  F(3209, Int16, GeoT_Spare2)              \
  F(3211, Text<40>, GeoT_SoilName)         \
  F(3251, Int16, GeoT_LoopMinTemp)         \
  F(3253, Int16, GeoT_LoopMaxTemp)         \
  F(3255, Int16, GeoT_AutoSize)            \
  F(3257, Int16, GeoT_AuxId)               \
  F(3259, Text<40>, GeoT_AuxName)          \
  F(3299, Int32, GeoT_AuxInput)            \
  F(3303, Int16, GeoT_Spare3)              \
  F(3305, Int32, GeoT_Spare4)              \
  F(3309, Int16, GeoT_WaterHeaterId)       \
  F(3311, Text<40>, GeoT_WaterHeaterName)  \
  F(3351, Int32, GeoT_AuxMode)             \
  F(3355, Int16, GeoT_Spare5)              \
  F(3357, Currency, GeoT_Spare6)           \
  F(3365, Int16, GeoT_Spare7)              \
  F(3367, Int16, Print_GeoT)               \
  F(3369, Currency, GeoT_HeatCapMin)       \
  F(3377, Currency, GeoT_HeatCapMax)       \
  F(3385, Currency, GeoT_CoolCapMin)       \
  F(3393, Currency, GeoT_CoolCapMax)       \
  F(3401, Text<98>, GeoT_Spare8)

// Geo A (GeoUnitRec units), with the second unit of the tandem hydronic modes.
#define PELLAVAN_PROJECT_GEOA_FIELDS(F, A) \
  F(3499, Int16, GeoA_UnitId)              \
  F(3501, Text<40>, GeoA_UnitName)         \
  F(3541, Int16, GeoA_LoopWellHybrid)      \
  F(3543, Currency, GeoA_Tons)             \
  F(3551, Text<108>, GeoA_Spare1)          \
  F(3659, Int16, GeoA_LoopId)              \
  F(3661, Text<40>, GeoA_LoopName)         \
  F(3701, Int16, GeoA_SoilId)              \
  F(3703, Currency, GeoA_Depth)            \
  F(3711, Int16, GeoA_BoreLength)          \
  F(3713, Int16, GeoA_HwGenerator)         \
  F(3715, Int16, GeoA_Spare2)              \
  F(3717, Text<40>, GeoA_SoilName)         \
  F(3757, Int16, GeoA_LoopMinTemp)         \
  F(3759, Int16, GeoA_LoopMaxTemp)         \
  F(3761, Int16, GeoA_AutoSize)            \
  F(3763, Int16, GeoA_AuxId)               \
  F(3765, Text<40>, GeoA_AuxName)          \
  F(3805, Int32, GeoA_AuxInput)            \
  F(3809, Int16, GeoA_Spare3)              \
  F(3811, Int32, GeoA_Spare4)              \
  F(3815, Int16, GeoA_WaterHeaterId)       \
  F(3817, Text<40>, GeoA_WaterHeaterName)  \
  F(3857, Int32, GeoA_AuxMode)             \
  F(3861, Int16, GeoA_Tandem)              \
  F(3863, Currency, GeoA_Unit2Tons)        \
  F(3871, Int16, GeoA_Unit2Id)             \
  F(3873, Int16, GeoA_HydronicMode)        \
  F(3875, Text<40>, GeoA_Unit2Name)        \
  F(3915, Text<442>, GeoA_Spare5)

// Geo B (GeoUnitRec units).
#define PELLAVAN_PROJECT_GEOB_FIELDS(F, A) \
  F(4357, Int16, GeoB_UnitId)              \
  F(4359, Text<40>, GeoB_UnitName)         \
  F(4399, Int16, GeoB_LoopWellHybrid)      \
  F(4401, Currency, GeoB_Tons)             \
  F(4409, Text<102>, GeoB_Spare1)          \
  F(4511, Int16, GeoB_LoopId)              \
  F(4513, Text<40>, GeoB_LoopName)         \
  F(4553, Int16, GeoB_SoilId)              \
  F(4555, Currency, GeoB_Depth)            \
  F(4563, Int16, GeoB_BoreLength)          \
  F(4565, Int16, GeoB_HwGenerator)         \
  F(4567, Int16, GeoB_Spare2)              \
  F(4569, Text<40>, GeoB_SoilName)         \
  F(4609, Int16, GeoB_LoopMinTemp)         \
  F(4611, Int16, GeoB_LoopMaxTemp)         \
  F(4613, Int16, GeoB_AutoSize)            \
  F(4615, Int16, GeoB_AuxId)               \
  F(4617, Text<40>, GeoB_AuxName)          \
  F(4657, Int32, GeoB_AuxInput)            \
  F(4661, Int16, GeoB_Spare3)              \
  F(4663, Int32, GeoB_Spare4)              \
  F(4667, Int16, GeoB_WaterHeaterId)       \
  F(4669, Text<40>, GeoB_WaterHeaterName)  \
  F(4709, Int32, GeoB_AuxMode)             \
  F(4713, Int16, GeoB_Spare5)              \
  F(4715, Spare<8>, GeoB_Spare6)           \
  F(4723, Int16, GeoB_Spare7)              \
  F(4725, Text<484>, GeoB_Spare8)

// Air-source heat pump (AirHPRec) with its backup furnace.
#define PELLAVAN_PROJECT_HEATPUMP_FIELDS(F, A) \
  F(5209, Int16, HeatPump_UnitId)              \
  F(5211, Text<40>, HeatPump_UnitName)         \
  F(5251, Int16, HeatPump_Spare1)              \
  F(5253, Int16, HeatPump_Spare2)              \
  F(5255, Int32, HeatPump_Capacity)            \
  F(5259, Spare<8>, HeatPump_Spare3)           \
  F(5267, Int16, HeatPump_BackupId)            \
  F(5269, Text<40>, HeatPump_BackupName)       \
  F(5309, Int32, HeatPump_BackupInput)         \
  F(5313, Spare<8>, HeatPump_Spare4)           \
  F(5321, Int16, HeatPump_CutOffTemp)          \
  F(5323, Spare<8>, HeatPump_Spare5)           \
  F(5331, Currency, HeatPump_CoilCondition)    \
  F(5339, Spare<4>, HeatPump_Spare6)           \
  F(5343, Int16, HeatPump_CoilQuality)         \
  F(5345, Spare<8>, HeatPump_Spare7)           \
  F(5353, Spare<8>, HeatPump_Spare8)           \
  F(5361, Int16, HeatPump_WaterHeaterId)       \
  F(5363, Text<40>, HeatPump_WaterHeaterName)  \
  F(5403, Int32, HeatPump_AuxMode)             \
  F(5407, Text<496>, HeatPump_Spare9)

// Furnace or boiler (FurnaceRec) with its air conditioner (ACRec).
#define PELLAVAN_PROJECT_FURNACE_FIELDS(F, A) \
  F(5903, Int16, Furnace_UnitId)              \
  F(5905, Text<40>, Furnace_UnitName)         \
  F(5945, Int32, Furnace_Input)               \
  F(5949, Int16, Furnace_ACId)                \
  F(5951, Text<40>, Furnace_ACName)           \
  F(5991, Int32, Furnace_ACCapacity)          \
  F(5995, Int16, Furnace_WaterHeaterId)       \
  F(5997, Text<40>, Furnace_WaterHeaterName)  \
  F(6037, Spare<4>, Furnace_Spare1)           \
  F(6041, Currency, Furnace_CoilCondition)    \
  F(6049, Int16, Furnace_Spare2)              \
  F(6051, Int16, Furnace_CoilQuality)         \
  F(6053, Int16, Furnace_Spare3)              \
  F(6055, Int16, Furnace_Spare4)              \
  F(6057, Spare<4>, Furnace_Spare5)           \
  F(6061, Int16, Furnace_Spare6)              \
  F(6063, Int16, Furnace_Spare7)              \
  F(6065, Spare<4>, Furnace_Spare8)           \
  F(6069, Spare<4>, Furnace_Spare9)           \
  F(6073, Int16, Furnace_Spare10)             \
  F(6075, Int16, Furnace_Spare11)             \
  F(6077, Int16, Furnace_Spare12)             \
  F(6079, Int16, Furnace_Spare13)             \
  F(6081, Text<500>, Furnace_Spare14)
