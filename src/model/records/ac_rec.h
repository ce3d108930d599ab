#pragma once
// ACRec: one air conditioner of "ACData.CEA", 496 bytes. The twelve coil-combination factors
// form a 3 x 4 table (coil rows top, middle, bottom; PSC capacity and kW, then ICM capacity
// and kW), stored PSC first, row by row, capacity before kW.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_AC_FIELDS(F, A) \
  F(0, Int16, Id)                \
  F(2, Text<40>, Name)           \
  F(42, Text<40>, TypeText)      \
  F(82, Text<40>, StyleText)     \
  F(122, Int16, Hidden)          \
  F(124, Text<20>, Picture)      \
  F(144, Text<80>, Spare1)       \
  F(224, Currency, Eer95)        \
  F(232, Currency, Cap105)       \
  F(240, Currency, Kw105)        \
  F(248, Currency, CdClg)        \
  F(256, Currency, StRatio95)    \
  F(264, Currency, StRatio105)   \
  F(272, Currency, LowCapRatio)  \
  F(280, Currency, TwoStageFlag) \
  F(288, Currency, LowEer95)     \
  F(296, Currency, LowCap105)    \
  F(304, Currency, LowKw105)     \
  F(312, Currency, PscTopClgCap) \
  F(320, Currency, PscTopClgKw)  \
  F(328, Currency, PscMidClgCap) \
  F(336, Currency, PscMidClgKw)  \
  F(344, Currency, PscBotClgCap) \
  F(352, Currency, PscBotClgKw)  \
  F(360, Currency, IcmTopClgCap) \
  F(368, Currency, IcmTopClgKw)  \
  F(376, Currency, IcmMidClgCap) \
  F(384, Currency, IcmMidClgKw)  \
  F(392, Currency, IcmBotClgCap) \
  F(400, Currency, IcmBotClgKw)  \
  A(408, Currency, 1, 11, Spare2)

PELLAVAN_DEFINE_RECORD(ACRec, 496, PELLAVAN_AC_FIELDS);

}  // namespace pellavan::model
