#include "sheet/format/general_text.h"

#include <cmath>
#include <optional>

#include "sheet/format/decimal_digits.h"

namespace pellavan::sheet::detail {

namespace {

struct Candidate {
  std::string text;
  int significant = 0;
};

std::optional<Candidate> fixed_form(DecimalDigits d, int width) {
  if (d.point > width) return std::nullopt;
  const int whole_len = d.point > 0 ? d.point : 1;
  const int decimals = whole_len >= width ? 0 : width - whole_len - 1;
  round_to_fraction(d, decimals);
  if (d.is_zero() || d.point > width) return std::nullopt;  // too small to show, or carried over
  std::string text = integer_digits(d);
  if (text.empty()) text.push_back('0');
  const int shown_decimals = static_cast<int>(d.digits.size()) - d.point;
  if (shown_decimals > 0) {
    text.push_back('.');
    text += fraction_digits(d, shown_decimals);
  }
  return Candidate{text, static_cast<int>(d.digits.size())};
}

Candidate scientific_form(DecimalDigits d, int width) {
  const int exp_len = std::abs(d.exponent()) >= 100 ? 5 : 4;
  const int room = width - exp_len;  // "d.ddd" takes one character more than its digits
  round_to_digits(d, room >= 3 ? room - 1 : 1);
  std::string text(1, d.digits.front());
  if (d.digits.size() > 1) {
    text.push_back('.');
    text.append(d.digits, 1);
  }
  text += exponent_suffix(d.exponent());
  return Candidate{text, static_cast<int>(d.digits.size())};
}

}  // namespace

std::string general_magnitude_text(double magnitude, int width) {
  if (!std::isfinite(magnitude)) return "#NUM!";
  const DecimalDigits d = to_decimal(magnitude);
  if (d.is_zero()) return "0";
  const Candidate sci = scientific_form(d, width);
  const auto fixed = fixed_form(d, width);
  return fixed && fixed->significant >= sci.significant ? fixed->text : sci.text;
}

std::string general_text(double value) {
  const bool negative = value < 0;
  std::string body = general_magnitude_text(value, kGeneralWidth - (negative ? 1 : 0));
  if (!negative || body == "#NUM!") return body;
  body.insert(0, 1, '-');
  return body;
}

}  // namespace pellavan::sheet::detail
