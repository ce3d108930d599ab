#pragma once
// Rounding to whole numbers the way the stored values expect it: halves go to the even integer
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), independent of the floating-point rounding mode.

#include "model/record/field_types.h"

namespace pellavan::model {

// Non-finite values come back unchanged.
[[nodiscard]] double round_half_even(double x);

// As round_half_even, as an Int32. Values beyond the Int32 range clamp to its ends and NaN gives 0:
// an absurd entry then reaches the window's range check instead of overflowing.
[[nodiscard]] Int32 round_to_int32(double x);

[[nodiscard]] constexpr Int16 Max_Int(Int16 a, Int16 b) { return a > b ? a : b; }

}  // namespace pellavan::model
