#pragma once
// AirHPRec: one air-source heat pump of "AirData.CEA", 578 bytes. Spare1 is 78 bytes, so the
// numbers start at 222. The 24 coil-combination factors form a 3 x 8 table (rows top, middle,
// bottom; cooling capacity, cooling kW, heating capacity, heating kW for a PSC fan, then for an
// ICM fan), stored PSC first, row by row.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_AIR_HP_FIELDS(F, A) \
  F(0, Int16, Id)                    \
  F(2, Text<40>, Name)               \
  F(42, Text<40>, TypeText)          \
  F(82, Text<40>, StyleText)         \
  F(122, Int16, Hidden)              \
  F(124, Text<20>, Picture)          \
  F(144, Text<78>, Spare1)           \
  F(222, Int16, VarSpeedFlag)        \
  F(224, Currency, Eer95)            \
  F(232, Currency, Cap105)           \
  F(240, Currency, Kw105)            \
  F(248, Currency, CdClg)            \
  F(256, Currency, CdHtg)            \
  F(264, Currency, Cap47)            \
  F(272, Currency, Cop47)            \
  F(280, Currency, Cap17)            \
  F(288, Currency, Cop17)            \
  F(296, Int16, Spare2)              \
  F(298, Currency, StRatio95)        \
  F(306, Currency, StRatio105)       \
  F(314, Currency, LowCapRatio)      \
  F(322, Currency, TwoStageFlag)     \
  F(330, Currency, LowEer95)         \
  F(338, Currency, LowCap105)        \
  F(346, Currency, LowKw105)         \
  F(354, Currency, LowCap47)         \
  F(362, Currency, LowCop47)         \
  F(370, Currency, LowCap17)         \
  F(378, Currency, LowCop17)         \
  F(386, Currency, PscTopClgCap)     \
  F(394, Currency, PscTopClgKw)      \
  F(402, Currency, PscTopHtgCap)     \
  F(410, Currency, PscTopHtgKw)      \
  F(418, Currency, PscMidClgCap)     \
  F(426, Currency, PscMidClgKw)      \
  F(434, Currency, PscMidHtgCap)     \
  F(442, Currency, PscMidHtgKw)      \
  F(450, Currency, PscBotClgCap)     \
  F(458, Currency, PscBotClgKw)      \
  F(466, Currency, PscBotHtgCap)     \
  F(474, Currency, PscBotHtgKw)      \
  F(482, Currency, IcmTopClgCap)     \
  F(490, Currency, IcmTopClgKw)      \
  F(498, Currency, IcmTopHtgCap)     \
  F(506, Currency, IcmTopHtgKw)      \
  F(514, Currency, IcmMidClgCap)     \
  F(522, Currency, IcmMidClgKw)      \
  F(530, Currency, IcmMidHtgCap)     \
  F(538, Currency, IcmMidHtgKw)      \
  F(546, Currency, IcmBotClgCap)     \
  F(554, Currency, IcmBotClgKw)      \
  F(562, Currency, IcmBotHtgCap)     \
  F(570, Currency, IcmBotHtgKw)

PELLAVAN_DEFINE_RECORD(AirHPRec, 578, PELLAVAN_AIR_HP_FIELDS);

}  // namespace pellavan::model
