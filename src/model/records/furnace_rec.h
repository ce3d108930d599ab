#pragma once
// FurnaceRec: one furnace, boiler or electric heater of "FossData.CEA" (the edition's furnace
// file), 532 bytes. Also the auxiliary and backup heat of every system. Numbers are Currency
// unless typed otherwise; Hidden = 1 keeps a record out of the selection lists.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_FURNACE_FIELDS(F, A) \
  F(0, Int16, Id)                     \
  F(2, Text<40>, Name)                \
  F(42, Text<40>, TypeText)           \
  F(82, Text<40>, StyleText)          \
  F(122, Int16, Hidden)               \
  F(124, Text<20>, Picture)           \
  F(144, Text<80>, Spare1)            \
  F(224, Currency, Afue)              \
  F(232, Currency, FullLoadEff)       \
  F(240, Currency, AuxKw)             \
  F(248, Int16, FuelType)             \
  F(250, Currency, FuelBtu)           \
  F(258, Currency, CycFactor1)        \
  F(266, Currency, CycFactor2)        \
  F(274, Currency, CycFactor3)        \
  F(282, Currency, CycAdjust)         \
  F(290, Int16, AddOnMode)            \
  F(292, Currency, IcmFanFlag)        \
  F(300, Currency, TwoStageFlag)      \
  F(308, Currency, LowCapRatio)       \
  F(316, Currency, LowAuxKw)          \
  F(324, Currency, LowCfmRatio)       \
  A(332, Currency, 1, 25, Spare2)

PELLAVAN_DEFINE_RECORD(FurnaceRec, 532, PELLAVAN_FURNACE_FIELDS);

}  // namespace pellavan::model
