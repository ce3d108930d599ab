#pragma once
// LoopRec: one ground loop of "LoopData.CEA" or its metric twin "LoopDataM.CEA", 704 bytes.
// Id 10 is well water. UValue is indexed by soil id, or soil id + 15 for a loop/well hybrid;
// read it through loop_u_value() (loop_u_value.h), which refuses indices outside the array.

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_LOOP_FIELDS(F, A) \
  F(0, Int16, Id)                  \
  F(2, Text<40>, Name)             \
  F(42, Text<40>, DescText)        \
  F(82, Text<40>, PipeText)        \
  F(122, Text<40>, ConfigText)     \
  F(162, Text<40>, LengthText)     \
  F(202, Int16, Hidden)            \
  F(204, Text<12>, Picture)        \
  F(216, Text<88>, Spare1)         \
  A(304, Currency, 1, 30, UValue)  \
  A(544, Currency, 1, 20, Spare2)

PELLAVAN_DEFINE_RECORD(LoopRec, 704, PELLAVAN_LOOP_FIELDS);

}  // namespace pellavan::model
