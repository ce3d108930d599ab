#include "model/units/rounding.h"

#include <cmath>
#include <limits>

namespace pellavan::model {

double round_half_even(double x) {
  if (!std::isfinite(x)) return x;
  const double below = std::floor(x);
  const double fraction = x - below;  // exact: below and x share their leading bits
  if (fraction > 0.5) return below + 1.0;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

Int32 round_to_int32(double x) {
  if (std::isnan(x)) return 0;
  const double r = round_half_even(x);
  constexpr auto lo = std::numeric_limits<Int32>::min();
  constexpr auto hi = std::numeric_limits<Int32>::max();
  if (r <= static_cast<double>(lo)) return lo;
  if (r >= static_cast<double>(hi)) return hi;
  return static_cast<Int32>(r);
}

}  // namespace pellavan::model
