#include "sheet/format/entry_rule.h"

#include <array>
#include <charconv>
#include <optional>

#include "sheet/format/date_serial.h"

namespace pellavan::sheet {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::size_t skip_digits(std::string_view s, std::size_t i) {
  while (i < s.size() && is_digit(s[i])) ++i;
  return i;
}

// ["-"] digits ["." digits] [("E"|"e") ["+"|"-"] digits], with at least one mantissa digit.
bool is_number_text(std::string_view s) {
  std::size_t i = s.starts_with('-') ? 1 : 0;
  const std::size_t int_end = skip_digits(s, i);
  std::size_t mantissa_digits = int_end - i;
  i = int_end;
  if (i < s.size() && s[i] == '.') {
    const std::size_t frac_end = skip_digits(s, i + 1);
    mantissa_digits += frac_end - i - 1;
    i = frac_end;
  }
  if (mantissa_digits == 0) return false;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exp_end = skip_digits(s, i);
    if (exp_end == i) return false;
    i = exp_end;
  }
  return i == s.size();
}

std::optional<double> read_number(std::string_view s) {
  if (!is_number_text(s)) return std::nullopt;
  double value = 0.0;
  const auto res = std::from_chars(s.data(), s.data() + s.size(), value);
  // Out of range (beyond about 1.8E+308, or below the smallest double) is no storable number.
  if (res.ec != std::errc{} || res.ptr != s.data() + s.size()) return std::nullopt;
  return value == 0.0 ? 0.0 : value;  // "-0" is plain zero
}

std::optional<int> read_field(std::string_view s, std::size_t min_len, std::size_t max_len) {
  if (s.size() < min_len || s.size() > max_len) return std::nullopt;
  int value = 0;
  for (const char c : s) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

int expand_year(int year, std::size_t digits) {
  if (digits > 2) return year;
  return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<double> read_date(std::string_view s) {
  std::array<std::string_view, 3> parts;
  for (std::size_t n = 0; n < parts.size(); ++n) {
    const auto slash = s.find('/');
    const bool last = n + 1 == parts.size();
    if (last != (slash == std::string_view::npos)) return std::nullopt;
    parts[n] = s.substr(0, slash);
    s = last ? std::string_view{} : s.substr(slash + 1);
  }
  const auto month = read_field(parts[0], 1, 2);
  const auto day = read_field(parts[1], 1, 2);
  const auto year = parts[2].size() == 3 ? std::nullopt : read_field(parts[2], 1, 4);
  if (!month || !day || !year) return std::nullopt;
  const CivilDate date{expand_year(*year, parts[2].size()), *month, *day};
  if (date.year < 1900 || !is_valid_date(date)) return std::nullopt;
  return serial_from_date(date);
}

}  // namespace

EntryValue apply_entry_rule(std::string_view text) {
  EntryValue v;
  if (text.empty()) return v;
  if (const auto number = read_number(text)) {
    v.kind = EntryValue::Kind::kNumber;
    v.number = *number;
  } else if (const auto serial = read_date(text)) {
    v.kind = EntryValue::Kind::kNumber;
    v.number = *serial;
    v.is_date = true;
  } else {
    v.kind = EntryValue::Kind::kText;
    v.text = std::string(text);
  }
  return v;
}

}  // namespace pellavan::sheet
