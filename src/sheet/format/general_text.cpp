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
  if (text.empty()) text = "0";
  const int shown_decimals = static_cast<int>(d.digits.size()) - d.point;
  if (shown_decimals > 0) text += "." + fraction_digits(d, shown_decimals);
  return Candidate{text, static_cast<int>(d.digits.size())};
}

Candidate scientific_form(DecimalDigits d, int width) {
  const int exp_len = std::abs(d.exponent()) >= 100 ? 5 : 4;
  const int room = width - exp_len;  // "d.ddd" takes one character more than its digits
  round_to_digits(d, room >= 3 ? room - 1 : 1);
  std::string text(1, d.digits.front());
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  return Candidate{text + exponent_suffix(d.exponent()), static_cast<int>(d.digits.size())};
}

}  // namespace

std::string general_text(double value) {
  if (!std::isfinite(value)) return "#NUM!";
  const DecimalDigits d = to_decimal(value);
  if (d.is_zero()) return "0";
  const bool negative = value < 0;
  const int width = kGeneralWidth - (negative ? 1 : 0);
  const Candidate sci = scientific_form(d, width);
  const auto fixed = fixed_form(d, width);
  const std::string& body = fixed && fixed->significant >= sci.significant ? fixed->text : sci.text;
  return (negative ? "-" : "") + body;
}

}  // namespace pellavan::sheet::detail
