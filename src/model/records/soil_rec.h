#pragma once
// SoilRec: one soil of "SoilData.CEA" (or its metric twin "SoilDataM.CEA"), 320 bytes.
// Ids 1..15 are in use; a soil id indexes LoopRec::UValue.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_SOIL_FIELDS(F, A) \
  F(0, Int16, Id)                  \
  F(2, Text<40>, Name)             \
  F(42, Int16, Hidden)             \
  F(44, Text<100>, Spare1)         \
  F(144, Currency, Conductivity)   \
  F(152, Currency, Diffusivity)    \
  A(160, Currency, 1, 20, Spare2)

PELLAVAN_DEFINE_RECORD(SoilRec, 320, PELLAVAN_SOIL_FIELDS);

}  // namespace pellavan::model
