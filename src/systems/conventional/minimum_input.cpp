#include "systems/conventional/minimum_input.h"

#include <cmath>

#include "model/text/ascii.h"
#include "model/units/rounding.h"

namespace pellavan::systems {

namespace {
double four_decimals(double x) { return model::round_half_even(x * 10000.0) / 10000.0; }
}  // namespace

Int32 whole_kw_raised(double btuh) {
  const double kw = four_decimals(btuh / kBtuhPerKw);
  Int32 k = model::round_to_int32(kw);
  if (kw > k) ++k;
  return k;
}

MinimumInput minimum_input(Int32 min_backup_heat, double efficiency, bool kw_display,
                           model::KwMemo& memo, int slot) {
  MinimumInput m;
  if (!(efficiency > 0.0)) return m;
  m.known = true;
  if (kw_display) {
    const double t = memo.Btuh_To_KW(min_backup_heat, slot) / efficiency;
    m.kw = four_decimals(t);
    m.capacity = model::round_to_int32(t);
    m.raised_kw = whole_kw_raised(min_backup_heat / efficiency);
  } else {
    m.capacity = model::round_to_int32(min_backup_heat / efficiency);
    m.raised_kw = whole_kw_raised(m.capacity);
  }
  return m;
}

bool is_electric(std::string_view list_text) {
  return model::trim_blanks(list_text).starts_with("Electric");
}

}  // namespace pellavan::systems
