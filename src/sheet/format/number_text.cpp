#include "sheet/format/number_text.h"

#include <cmath>

#include "sheet/format/decimal_digits.h"

namespace pellavan::sheet {

namespace {

constexpr int kSignificant = 15;
constexpr int kLowestFixedExponent = -4;  // 0.0001 stays fixed, 0.00001 becomes 1E-05

std::string fixed_text(const detail::DecimalDigits& d) {
  std::string whole = detail::integer_digits(d);
  if (whole.empty()) whole = "0";
  const int decimals = static_cast<int>(d.digits.size()) - d.point;
  if (decimals <= 0) return whole;
  return whole + "." + detail::fraction_digits(d, decimals);
}

std::string scientific_text(const detail::DecimalDigits& d) {
  std::string out(1, d.digits.front());
  if (d.digits.size() > 1) out += "." + d.digits.substr(1);
  return out + detail::exponent_suffix(d.exponent());
}

}  // namespace

std::string plain_number_text(double value) {
  if (!std::isfinite(value)) return "#NUM!";
  const detail::DecimalDigits d = detail::to_decimal(value, kSignificant);
  if (d.is_zero()) return "0";  // also -0
  const bool fixed = d.exponent() >= kLowestFixedExponent && d.exponent() < kSignificant;
  return (value < 0 ? "-" : "") + (fixed ? fixed_text(d) : scientific_text(d));
}

}  // namespace pellavan::sheet
