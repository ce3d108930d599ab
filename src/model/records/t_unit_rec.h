#pragma once
// TUnitRec: one variable-capacity unit of the Geo T system, "tUnitData.CEA" (one file for every
// edition), 1,920 bytes. Texts are 50 characters wide here. Limits and pump data are Single; the
// twelve performance equations carry ten Double coefficients each, named <stem>_C1 .. _C10 and
// stored equation after equation from offset 560 (coefficient c of equation e at
// 560 + 80 e + 8 (c - 1)).

#include "model/record/record_layout.h"

namespace pellavan::model {

// Ten coefficients of one equation, from its first offset.
#define PELLAVAN_TUNIT_EQUATION_(F, off, stem) \
  F((off) + 0, Double, stem##_C1)              \
  F((off) + 8, Double, stem##_C2)              \
  F((off) + 16, Double, stem##_C3)             \
  F((off) + 24, Double, stem##_C4)             \
  F((off) + 32, Double, stem##_C5)             \
  F((off) + 40, Double, stem##_C6)             \
  F((off) + 48, Double, stem##_C7)             \
  F((off) + 56, Double, stem##_C8)             \
  F((off) + 64, Double, stem##_C9)             \
  F((off) + 72, Double, stem##_C10)

#define PELLAVAN_TUNIT_FIELDS(F, A)          \
  F(0, Int16, Id)                            \
  F(2, Text<50>, Name)                       \
  F(52, Text<50>, ModelText)                 \
  F(102, Text<50>, SeriesText)               \
  F(152, Text<50>, StyleText)                \
  F(202, Text<50>, Picture)                  \
  F(252, Int16, UnitType)                    \
  F(254, Int16, Inactive)                    \
  F(256, Int16, HwCode)                      \
  F(258, Int16, CorvailFlag)                 \
  F(260, Int16, VarSpeedFlag)                \
  F(262, Int16, HydronicFlag)                \
  F(264, Spare<4>, Spare1)                   \
  F(268, Single, RatedCapMin)                \
  F(272, Single, RatedCapMax)                \
  F(276, Single, ClgHwCapMin)                \
  F(280, Single, ClgHwCapMax)                \
  F(284, Single, HzMin)                      \
  F(288, Single, HzMax)                      \
  F(292, Single, ClgCd)                      \
  F(296, Single, HtgHwCd)                    \
  F(300, Single, StRatio)                    \
  F(304, Single, ClgHwLwdt1)                 \
  F(308, Single, ClgHwLwdt2)                 \
  F(312, Single, HwLwdt1)                    \
  F(316, Single, HwLwdt2)                    \
  F(320, Single, LoopPumpGpm)                \
  F(324, Single, LoopPumpKw)                 \
  F(328, Single, LoopPumpMaxKw)              \
  F(332, Single, WellPumpGpm)                \
  F(336, Single, WellPumpKw)                 \
  F(340, Single, WellPumpMaxKw)              \
  F(344, Single, WellKwPerGpm)               \
  F(348, Single, HwPumpGpm)                  \
  F(352, Single, HwPumpKw)                   \
  F(356, Single, HwPumpMaxKw)                \
  A(360, Single, 1, 50, Spare2)              \
  PELLAVAN_TUNIT_EQUATION_(F, 560, ClgKw)    \
  PELLAVAN_TUNIT_EQUATION_(F, 640, HtgKw)    \
  PELLAVAN_TUNIT_EQUATION_(F, 720, HwClgKw)  \
  PELLAVAN_TUNIT_EQUATION_(F, 800, HwHiCap)  \
  PELLAVAN_TUNIT_EQUATION_(F, 880, HwHiKw)   \
  PELLAVAN_TUNIT_EQUATION_(F, 960, HwLoCap)  \
  PELLAVAN_TUNIT_EQUATION_(F, 1040, HwLoKw)  \
  PELLAVAN_TUNIT_EQUATION_(F, 1120, ClgHz)   \
  PELLAVAN_TUNIT_EQUATION_(F, 1200, HtgHz)   \
  PELLAVAN_TUNIT_EQUATION_(F, 1280, HwClgHz) \
  PELLAVAN_TUNIT_EQUATION_(F, 1360, HwHiHz)  \
  PELLAVAN_TUNIT_EQUATION_(F, 1440, HwLoHz)  \
  A(1520, Double, 1, 50, Spare3)

PELLAVAN_DEFINE_RECORD(TUnitRec, 1920, PELLAVAN_TUNIT_FIELDS);

}  // namespace pellavan::model
