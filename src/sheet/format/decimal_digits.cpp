#include "sheet/format/decimal_digits.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace pellavan::sheet::detail {

namespace {

void strip_trailing_zeros(DecimalDigits& d) {
  const auto last = d.digits.find_last_not_of('0');
  if (last == std::string::npos) {
    d = {};
  } else {
    d.digits.resize(last + 1);
  }
}

}  // namespace

DecimalDigits to_decimal(double magnitude, int significant) {
  DecimalDigits d;
  magnitude = std::fabs(magnitude);
  if (magnitude == 0.0 || !std::isfinite(magnitude)) return d;
  significant = std::clamp(significant, 1, 17);
  // Scientific form "d.ddde+XX": correctly rounded from the exact binary value, locale-free.
  std::array<char, 64> buf{};
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                 std::chars_format::scientific, significant - 1);
  const std::string_view text(buf.data(), static_cast<std::size_t>(res.ptr - buf.data()));
  const auto e = text.find('e');
  for (const char c : text.substr(0, e)) {
    if (c != '.') d.digits.push_back(c);
  }
  int exponent = 0;
  const auto exp_text = text.substr(e + 1);
  const char* first = exp_text.data() + (exp_text.front() == '+' ? 1 : 0);
  std::from_chars(first, exp_text.data() + exp_text.size(), exponent);
  d.point = exponent + 1;
  strip_trailing_zeros(d);
  return d;
}

void round_to_digits(DecimalDigits& d, int count) {
  if (d.is_zero() || count >= static_cast<int>(d.digits.size())) return;
  if (count < 0) {
    d = {};
    return;
  }
  const bool up = d.digits[static_cast<std::size_t>(count)] >= '5';
  d.digits.resize(static_cast<std::size_t>(count));
  if (up) {
    auto i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[i - 1];
    }
  }
  strip_trailing_zeros(d);
}

std::string integer_digits(const DecimalDigits& d) {
  if (d.is_zero() || d.point <= 0) return {};
  const auto whole = static_cast<std::size_t>(d.point);
  std::string out = d.digits.substr(0, std::min(whole, d.digits.size()));
  out.append(whole - out.size(), '0');
  return out;
}

std::string fraction_digits(const DecimalDigits& d, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    const int index = d.point + i;
    const bool inside = index >= 0 && index < static_cast<int>(d.digits.size());
    out.push_back(inside ? d.digits[static_cast<std::size_t>(index)] : '0');
  }
  return out;
}

std::string exponent_suffix(int exponent) {
  std::string out = exponent < 0 ? "E-" : "E+";
  const int magnitude = std::abs(exponent);
  if (magnitude < 10) out.push_back('0');
  out += std::to_string(magnitude);
  return out;
}

}  // namespace pellavan::sheet::detail
