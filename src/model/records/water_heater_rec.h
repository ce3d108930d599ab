#pragma once
// WaterHeaterRec: one water heater of "WHData.CEA" (the edition's water-heater file), 322 bytes.
// Unlike the other equipment records its Hidden flag follows the reserved text.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_WATER_HEATER_FIELDS(F, A) \
  F(0, Int16, Id)                          \
  F(2, Text<40>, Name)                     \
  F(42, Text<40>, TypeText)                \
  F(82, Text<40>, StyleText)               \
  F(122, Text<20>, Picture)                \
  F(142, Text<80>, Spare1)                 \
  F(222, Int16, Hidden)                    \
  F(224, Currency, AnnualEff)              \
  F(232, Int16, FuelType)                  \
  F(234, Currency, FuelBtu)                \
  A(242, Currency, 1, 10, Spare2)

PELLAVAN_DEFINE_RECORD(WaterHeaterRec, 322, PELLAVAN_WATER_HEATER_FIELDS);

}  // namespace pellavan::model
