#pragma once
// The minimum input a furnace or backup furnace must have to cover the building's minimum
// backup heat: in Btu/h in Btu/h display, in kW in kW display, and in whole kW rounded up for an
// electric furnace entered in kW. A furnace with no efficiency has no minimum.

#include <string_view>

#include "model/record/field_types.h"
#include "model/units/kw_memo.h"

namespace pellavan::systems {

using model::Int32;

inline constexpr double kBtuhPerKw = 3413.0;

struct MinimumInput {
  bool known = false;   // false: the efficiency is 0 or less, so no minimum can be worked out
  Int32 capacity = 0;   // MinInputCapacity: Btu/h, or whole kW in kW display
  double kw = 0.0;      // MinInputKW, four decimals (kW display)
  Int32 raised_kw = 0;  // the minimum in whole kW rounded up (an electric furnace's figure)
};

// Btu/h / 3413 taken to four decimals, raised to the next whole number when a fraction remains.
[[nodiscard]] Int32 whole_kw_raised(double btuh);

// `kw_display`: the building's minimum is converted through `memo` slot `slot` first.
[[nodiscard]] MinimumInput minimum_input(Int32 min_backup_heat, double efficiency, bool kw_display,
                                         model::KwMemo& memo, int slot);

// Whether a furnace's list text names an electric furnace ("Electric" once trimmed).
[[nodiscard]] bool is_electric(std::string_view list_text);

}  // namespace pellavan::systems
