#pragma once
// Capacities between stored Btu/h and displayed kW. A kW value shown with one decimal and left
// unchanged must convert back to exactly the Btu/h it came from, so each field keeps the
// full-precision kW value it last converted in a slot of its own. All slots start at 0 and are
// never saved; the memo lives in the program's state, one per run.

#include <array>

#include "model/record/field_types.h"
#include "model/units/memo_slot.h"

namespace pellavan::model {

class KwMemo {
 public:
  // Btu/h of a kW entry: when the entry and the slot read the same at one decimal ("#.0"), the
  // slot's full-precision value is used; otherwise the entry is taken as typed and kept.
  double KW_To_Btuh(double kw, int slot);
  // Btu/h / 3413, also kept in the slot.
  double Btuh_To_KW(double btuh, int slot);
  double Btuh_To_KW_Long(Int32 btuh, int slot);

  [[nodiscard]] double value(int slot) const { return slots_[memo_index("KWMemo", slot)]; }

 private:
  std::array<double, kLastMemoSlot> slots_{};
};

}  // namespace pellavan::model
