#include "model/units/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "model/text/ascii.h"

namespace pellavan::model {
namespace {

bool is_skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads the longest number at the start of the text into plain "[-]digits[.digits][e[-]digits]".
class LeadingNumber {
 public:
  explicit LeadingNumber(std::string_view text) : text_(text) {}

  // How much of the text the last read() took.
  [[nodiscard]] std::size_t consumed() const { return pos_; }

  std::string read() {
    std::string out;
    skip();
    if (pos_ < text_.size() && (text_[pos_] == '-' || text_[pos_] == '+')) {
      if (text_[pos_] == '-') out.push_back('-');
      ++pos_;
    }
    const std::size_t digits_before = digits(out);
    std::size_t digits_after = 0;
    if (peek() == '.') {
      ++pos_;
      out.push_back('.');
      digits_after = digits(out);
    }
    if (digits_before + digits_after == 0) return {};
    read_exponent(out);
    return out;
  }

 private:
  void skip() {
    while (pos_ < text_.size() && is_skipped(text_[pos_])) ++pos_;
  }
  char peek() {
    skip();
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  std::size_t digits(std::string& out) {
    std::size_t n = 0;
    while (is_digit(peek())) {
      out.push_back(text_[pos_++]);
      ++n;
    }
    return n;
  }
  // An exponent counts only with at least one digit; otherwise the mantissa stands alone.
  void read_exponent(std::string& out) {
    const char marker = peek();
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D') return;
    const std::size_t restart = pos_;
    ++pos_;
    std::string exponent = "e";
    const char sign = peek();
    if (sign == '-' || sign == '+') {
      if (sign == '-') exponent.push_back('-');
      ++pos_;
    }
    if (digits(exponent) == 0) {
      pos_ = restart;
      return;
    }
    out += exponent;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Decimal digits of |value| rounded to 15 significant digits, with the decimal exponent of the
// first digit: value ~ 0.d1d2...d15 x 10^(exponent + 1).
struct DecimalDigits {
  std::string digits;
  int exponent = 0;
};

DecimalDigits decimal_digits(double magnitude) {
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
  const std::string_view text(buf,
                              static_cast<std::size_t>(res.ptr - buf));  // d.ddddddddddddddde+xx
  const auto e = text.find('e');
  DecimalDigits out;
  out.digits.push_back(text[0]);
  out.digits.append(text.substr(2, e - 2));
  std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(),
                  out.exponent);
  return out;
}

// Adds one to a string of decimal digits; may grow it by one digit.
void increment(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// A plain number text that from_chars found outside the double range: the largest finite double
// of its sign when too large, 0 when too small. Decided by the place of the first significant
// digit, mantissa digits before the point plus the exponent.
double beyond_double(std::string_view number) {
  const bool negative = number[0] == '-';
  const auto e = number.find('e');
  const std::string_view mantissa = number.substr(0, e);
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return 0.0;
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  long long place = static_cast<long long>(point) - static_cast<long long>(first);
  if (e != std::string_view::npos) {
    std::string_view digits = number.substr(e + 1);
    const bool negative_exponent = digits[0] == '-';
    if (negative_exponent) digits.remove_prefix(1);
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    // Only the exponent's sign and rough size matter; very long ones are cut.
    long long exponent = 0;
    if (digits.size() > 6)
      exponent = 1000000;
    else
      std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    place += negative_exponent ? -exponent : exponent;
  }
  if (place <= 0) return 0.0;
  const double max = std::numeric_limits<double>::max();
  return negative ? -max : max;
}

// The whole part of a typed number with its `separator` groups taken out, or nothing when they
// are no thousands groups: a first group empty, longer than three digits or with a leading 0, a
// later one not three digits long.
std::optional<std::string> ungrouped(std::string_view whole, char separator = ',') {
  if (whole.find(separator) == std::string_view::npos) return std::string(whole);
  if (whole.front() == '0') return std::nullopt;
  std::string digits;
  std::size_t group = 0;
  bool first = true;
  for (char c : whole) {
    if (c != separator) {
      digits.push_back(c);
      ++group;
      continue;
    }
    if (group == 0 || (first ? group > 3 : group != 3)) return std::nullopt;
    first = false;
    group = 0;
  }
  if (group != 3) return std::nullopt;
  return digits;
}

// A plain number text read whole, or nothing.
std::optional<double> whole_number(const std::string& number) {
  LeadingNumber reader(number);
  const std::string plain = reader.read();
  if (plain.empty() || reader.consumed() != number.size()) return std::nullopt;
  return Val(number);
}

std::string replaced(std::string_view text, char from, std::string_view to) {
  std::string out;
  for (char c : text) {
    if (c == from)
      out += to;
    else
      out.push_back(c);
  }
  return out;
}

// The text with its one comma as the decimal point, and the points before it, which group
// thousands where a comma is the decimal point ("1.234,5"), taken out.
std::string with_decimal_point(std::string_view text) {
  const auto comma = text.find(',');
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '.' && i < comma) continue;
    out.push_back(text[i] == ',' ? '.' : text[i]);
  }
  return out;
}

// Whether a typed number (after its signs) is written with points grouping thousands before one
// decimal comma ("1.234,5", "12.345.678,9"): a comma after a point can only be a decimal comma.
bool points_group_thousands(std::string_view number) {
  const auto comma = number.find(',');
  if (comma == std::string_view::npos || number.find('.') > comma) return false;
  const std::string_view whole = number.substr(0, comma);
  if (whole.find_first_not_of("0123456789.") != std::string_view::npos) return false;
  return ungrouped(whole, '.') && whole_number(with_decimal_point(number));
}

// Whether a typed number (after its signs) is one to three digits without a leading 0, a point and
// exactly three digits ("1.500", "2.000"): a point there may group thousands.
bool point_may_group_thousands(std::string_view number) {
  const auto point = number.find('.');
  if (point == std::string_view::npos || point == 0 || point > 3 || number.front() == '0')
    return false;
  return number.size() == point + 4 &&
         std::all_of(number.begin(), number.begin() + static_cast<std::ptrdiff_t>(point),
                     is_digit) &&
         std::all_of(number.begin() + static_cast<std::ptrdiff_t>(point) + 1, number.end(),
                     is_digit);
}

// A typed number with its decimals' trailing zeros dropped, and the point with them where no
// decimal is left: "1.500" -> "1.5", "-2.000" -> "-2".
std::string without_trailing_zeros(std::string_view number) {
  std::string out(number);
  while (out.back() == '0') out.pop_back();
  if (out.back() == '.') out.pop_back();
  return out;
}

}  // namespace

TypedNumber read_typed(std::string_view text, Places places) {
  std::string t;
  for (char c : text)
    if (!is_skipped(c) && c != '\r') t.push_back(c);
  if (t.empty()) return {0.0};
  std::size_t at = 0;
  std::string number;
  if (t[at] == '-' || t[at] == '+') number.push_back(t[at++]);
  if (at < t.size() && t[at] == '$') ++at;
  const std::size_t whole_start = at;
  while (at < t.size() && (is_digit(t[at]) || t[at] == ',')) ++at;
  const std::string_view whole = std::string_view(t).substr(whole_start, at - whole_start);
  const std::string rest = t.substr(at);  // the decimals and the exponent
  const bool one_comma_no_point =
      std::count(whole.begin(), whole.end(), ',') == 1 && rest.find('.') == std::string::npos;
  if (places == Places::Whole && point_may_group_thousands(std::string_view(t).substr(whole_start)))
    return {std::nullopt, Comma::AmbiguousPoint};
  if (const auto digits = ungrouped(whole)) {
    if (places == Places::Decimals && one_comma_no_point) return {std::nullopt, Comma::Ambiguous};
    if (auto value = whole_number(number + *digits + rest)) return {value};
  }
  // No thousands: where the comma read as a decimal point gives a number, it stands for one.
  if (one_comma_no_point && whole_number(number + replaced(whole, ',', ".") + rest))
    return {std::nullopt, Comma::Decimal};
  if (points_group_thousands(std::string_view(t).substr(whole_start)))
    return {std::nullopt, Comma::Decimal};
  return {};
}

std::optional<double> typed_number(std::string_view text, Places places) {
  return read_typed(text, places).value;
}

double typed_value(std::string_view text, Places places) {
  return typed_number(text, places).value_or(Val(text));
}

bool differs_from_shown(std::string_view text, std::string_view shown, Places places) {
  const std::optional<double> typed = typed_number(text, places);
  return !typed || std::abs(*typed - Val(shown)) > 1e-9;
}

std::string comma_message(std::string_view text, Comma comma) {
  const std::string_view typed = trim_blanks(text, " \t\n\r");
  // Built by appending: GCC 12 misreads a chain of + on strings as overlapping copies.
  std::string out;
  if (comma == Comma::Ambiguous) {
    out.append("\"").append(typed).append("\" Could Mean ").append(replaced(typed, ',', "."));
    out.append(" or ").append(replaced(typed, ',', ""));
    out.append(": Please Type It with a Decimal Point or Without the Comma");
    return out;
  }
  if (comma == Comma::AmbiguousPoint) {
    out.append("\"").append(typed).append("\" Could Mean ").append(without_trailing_zeros(typed));
    out.append(" or ").append(replaced(typed, '.', ""));
    out.append(": Please Type It without the Point");
    return out;
  }
  out.append("The Comma in \"").append(typed);
  out.append("\" Cannot Separate Thousands: Please Type Decimals with a Point (");
  out.append(with_decimal_point(typed)).append(")");
  return out;
}

double Val(std::string_view text) {
  const std::string number = LeadingNumber(text).read();
  if (number.empty()) return 0.0;
  double value = 0.0;
  const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
  return res.ec == std::errc::result_out_of_range ? beyond_double(number) : value;
}

std::string format_fixed(double value, int decimals, bool leading_zero) {
  if (!std::isfinite(value)) {
    char buf[16];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
  }
  if (decimals < 0) decimals = 0;
  // Digits of |value| x 10^decimals, rounded half away from zero on the 15-digit form.
  std::string scaled;
  if (value != 0.0) {
    const DecimalDigits d = decimal_digits(std::fabs(value));
    const int kept = d.exponent + 1 + decimals;  // digits left of the rounding place
    if (kept >= static_cast<int>(d.digits.size())) {
      scaled = d.digits + std::string(static_cast<std::size_t>(kept) - d.digits.size(), '0');
    } else if (kept >= 0) {
      scaled = d.digits.substr(0, static_cast<std::size_t>(kept));
      if (d.digits[static_cast<std::size_t>(kept)] >= '5') increment(scaled);
    }
  }
  const auto first_nonzero = scaled.find_first_not_of('0');
  const bool zero = first_nonzero == std::string::npos;
  scaled = zero ? std::string() : scaled.substr(first_nonzero);
  const auto places = static_cast<std::size_t>(decimals);
  if (scaled.size() < places + 1) scaled.insert(0, places + 1 - scaled.size(), '0');
  std::string whole = scaled.substr(0, scaled.size() - places);
  if (whole == "0" && !leading_zero) whole.clear();
  std::string out = (value < 0.0 && !zero) ? "-" : "";
  out += whole;
  if (decimals > 0) {
    out.push_back('.');
    out += scaled.substr(scaled.size() - places);
  }
  return out;
}

std::string format_significant(double value, int digits) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general,
                                 digits < 1 ? 1 : digits);
  return std::string(buf, res.ptr);
}

}  // namespace pellavan::model
