#pragma once
// GeoUnitRec: one ground-source unit of the Geo A and Geo B systems, "UnitData.CEA" (the
// edition's unit file), 857 bytes. Perf(k) holds the k-th tabulated performance value the
// workbook reads; Inactive nonzero marks a discontinued unit.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_GEO_UNIT_FIELDS(F, A) \
  F(0, Int16, Id)                      \
  F(2, Text<40>, Name)                 \
  F(42, Text<25>, ModelText)           \
  F(67, Text<40>, SeriesText)          \
  F(107, Int16, UnitType)              \
  F(109, Int16, Inactive)              \
  F(111, Int16, CorvailFlag)           \
  F(113, Int16, VarSpeedFlag)          \
  F(115, Int16, HydronicFlag)          \
  A(117, Int16, 1, 8, Spare1)          \
  F(133, Text<20>, Picture)            \
  F(153, Text<25>, StyleText)          \
  F(178, Text<25>, Spare2)             \
  F(203, Text<30>, Spare3)             \
  A(233, Currency, 1, 46, Perf)        \
  F(601, Currency, StRatioLow)         \
  F(609, Currency, StRatioHigh)        \
  A(617, Currency, 1, 30, Spare4)

PELLAVAN_DEFINE_RECORD(GeoUnitRec, 857, PELLAVAN_GEO_UNIT_FIELDS);

}  // namespace pellavan::model
