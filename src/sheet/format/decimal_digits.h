#pragma once
// A non-negative number as decimal digits, for rounding the way spreadsheets display numbers:
// first to 15 significant digits, then half away from zero on that decimal value, so 1.005 shown
// with two decimals gives 1.01 although its binary value lies just below 1.005.

#include <string>

namespace pellavan::sheet::detail {

// value = 0.d1 d2 d3 ... x 10^point. No leading or trailing zeros in digits; zero has no digits.
struct DecimalDigits {
  std::string digits;
  int point = 0;

  bool is_zero() const { return digits.empty(); }
  int exponent() const { return point - 1; }  // of the first digit in scientific notation
};

// |magnitude| rounded to `significant` digits (1..17); zero, infinities and NaN give zero.
DecimalDigits to_decimal(double magnitude, int significant = 15);

// Keeps `count` leading digits, rounding half up on the magnitude (a carry may add a digit).
void round_to_digits(DecimalDigits& d, int count);
inline void round_to_fraction(DecimalDigits& d, int decimals) {
  round_to_digits(d, d.point + decimals);
}

// Digits before the point, "" when the integer part is zero.
std::string integer_digits(const DecimalDigits& d);
// Exactly `count` digits after the point, padded with zeros.
std::string fraction_digits(const DecimalDigits& d, int count);

// "E+05", "E-07", "E+120": the exponent as the number texts write it.
std::string exponent_suffix(int exponent);

}  // namespace pellavan::sheet::detail
