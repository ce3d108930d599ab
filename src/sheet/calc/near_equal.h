#pragma once
// Spreadsheet arithmetic at the edge of precision: a sum or difference that cancels to within
// 2^-48 of its larger operand is the noise of the operands' last bits, and counts as 0; two
// numbers that close compare equal.

#include <algorithm>
#include <cmath>

namespace pellavan::sheet {

inline constexpr double kCancellation = 0x1p-48;

// x + y, or 0 when the sum cancels the operands down to their last bits.
[[gnu::always_inline]] inline double cancelling_sum(double x, double y) {
  const double s = x + y;
  return std::fabs(s) < kCancellation * std::max(std::fabs(x), std::fabs(y)) ? 0.0 : s;
}

// -1, 0 or 1; numbers within 2^-48 of the larger one's magnitude are equal.
[[gnu::always_inline]] inline int tolerant_order(double x, double y) {
  if (x == y) return 0;
  if (std::fabs(x - y) <= kCancellation * std::max(std::fabs(x), std::fabs(y))) return 0;
  return x < y ? -1 : 1;
}

}  // namespace pellavan::sheet
