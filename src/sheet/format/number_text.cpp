#include "sheet/format/number_text.h"

#include <cmath>

#include "sheet/format/decimal_digits.h"

namespace pellavan::sheet {

namespace {

constexpr int kSignificant = 15;
constexpr int kLowestFixedExponent = -4;  // 0.0001 stays fixed, 0.00001 becomes 1E-05

std::string fixed_text(const detail::DecimalDigits& d) {
  std::string whole = detail::integer_digits(d);
  if (whole.empty()) whole.push_back('0');
  const int decimals = static_cast<int>(d.digits.size()) - d.point;
  if (decimals > 0) {
    whole.push_back('.');
    whole += detail::fraction_digits(d, decimals);
  }
  return whole;
}

std::string scientific_text(const detail::DecimalDigits& d) {
  std::string out(1, d.digits.front());
  if (d.digits.size() > 1) {
    out.push_back('.');
    out.append(d.digits, 1);
  }
  out += detail::exponent_suffix(d.exponent());
  return out;
}

}  // namespace

std::string plain_number_text(double value) {
  if (!std::isfinite(value)) return "#NUM!";
  const detail::DecimalDigits d = detail::to_decimal(value, kSignificant);
  if (d.is_zero()) return "0";  // also -0
  const bool fixed = d.exponent() >= kLowestFixedExponent && d.exponent() < kSignificant;
  std::string text = value < 0 ? "-" : "";
  text += fixed ? fixed_text(d) : scientific_text(d);
  return text;
}

}  // namespace pellavan::sheet
