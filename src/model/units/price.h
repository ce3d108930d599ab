#pragma once
// Utility prices between the stored imperial units (per Ccf of natural gas, per US gallon) and the
// metric ones (per m³ or per GJ, per litre). Storing a metric entry uses the inverse of the routine
// that displayed it. Currency results are rounded to four decimals, halves to even, and clamp
// beyond the Currency range.

#include "model/record/field_types.h"
#include "model/units/unit_constants.h"

namespace pellavan::model {

[[nodiscard]] inline Currency Per_CCF_To_M3(Currency per_ccf) {
  return Currency::from_double_saturated(per_ccf.to_double() / kCubicMetresPerCcf);
}
[[nodiscard]] inline Currency Per_M3_To_CCF(Currency per_m3) {
  return Currency::from_double_saturated(per_m3.to_double() * kCubicMetresPerCcf);
}

// Not rounded: the rates window rounds when it stores.
[[nodiscard]] inline double Per_CCF_To_GJ(Currency per_ccf) {
  return per_ccf.to_double() / kGigajoulesPerCcf;
}
[[nodiscard]] inline double Per_GJ_To_CCF(Currency per_gj) {
  return per_gj.to_double() * kGigajoulesPerCcf;
}

[[nodiscard]] inline Currency Per_Gal_To_L(Currency per_gallon) {
  return Currency::from_double_saturated(per_gallon.to_double() / kLitresPerGallon);
}
[[nodiscard]] inline Currency Per_L_To_Gal(Currency per_litre) {
  return Currency::from_double_saturated(per_litre.to_double() * kLitresPerGallon);
}

}  // namespace pellavan::model
