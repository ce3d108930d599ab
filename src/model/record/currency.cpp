#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <stdexcept>
#include <string>

#include "model/record/field_types.h"

namespace pellavan::model {
namespace {

constexpr double kMaxScaled = 9.2233720368547748e18;  // 2^63, first value that does not fit

// value × 10,000 rounded half to even on the value's shortest decimal form, so that 0.00015
// (which as a double lies a hair below the tie) rounds like the decimal the user typed.
double scaled(double value) {
  const double approx = value * static_cast<double>(Currency::kScale);
  if (!std::isfinite(approx) || std::fabs(approx) >= 1e15) return std::nearbyint(approx);
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string text(buf, res.ptr);  // [-]d.ddddde[+-]xx
  const bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  const auto e = text.find('e');
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string digits = text.substr(0, e);
  if (digits.size() > 1) digits.erase(1, 1);  // drop the point
  // The decimal point lies after digit (1 + exponent); keep four decimals more.
  const int kept = 1 + exponent + 4;
  if (kept < 0) return 0.0;
  while (static_cast<int>(digits.size()) < kept + 1) digits.push_back('0');
  std::int64_t whole = 0;
  for (int i = 0; i < kept; ++i) whole = whole * 10 + (digits[static_cast<std::size_t>(i)] - '0');
  const std::string rest = digits.substr(static_cast<std::size_t>(kept));
  const bool above_half =
      rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
  const bool tie = rest[0] == '5' && !above_half;
  if (above_half || (tie && (whole % 2 != 0))) ++whole;
  return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
}

}  // namespace

Currency Currency::from_double(double value) {
  const double s = scaled(value);
  if (!std::isfinite(s) || s >= kMaxScaled || s < -kMaxScaled)
    throw std::overflow_error("value does not fit a Currency field");
  return from_raw(static_cast<std::int64_t>(s));
}

Currency Currency::from_double_saturated(double value) {
  if (std::isnan(value)) return {};
  const double s = scaled(value);
  if (s >= kMaxScaled) return from_raw(std::numeric_limits<std::int64_t>::max());
  if (s < -kMaxScaled) return from_raw(std::numeric_limits<std::int64_t>::min());
  return from_raw(static_cast<std::int64_t>(s));
}

}  // namespace pellavan::model
