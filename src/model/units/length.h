#pragma once
// Lengths and depths between stored feet and displayed metres.

#include "model/record/field_types.h"
#include "model/units/unit_constants.h"

namespace pellavan::model {

[[nodiscard]] inline double Ft_To_M(double ft) { return ft * kMetresPerFoot; }
[[nodiscard]] inline double Ft_To_M_Cy(Currency ft) { return ft.to_double() * kMetresPerFoot; }
[[nodiscard]] inline double Ft_To_M_Int(Int16 ft) {
  return static_cast<double>(ft) * kMetresPerFoot;
}

// m / 0.3048 to four decimals, halves to even: M_To_Ft(1) = 3.2808. Clamps beyond the Currency
// range.
[[nodiscard]] inline Currency M_To_Ft(double m) {
  return Currency::from_double_saturated(m / kMetresPerFoot);
}

}  // namespace pellavan::model
