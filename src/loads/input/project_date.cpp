#include "loads/input/project_date.h"

#include <cmath>
#include <vector>

#include "sheet/format/date_serial.h"

namespace pellavan::loads {
namespace {

constexpr std::string_view kNamelessForm = "M/d/yyyy";
constexpr std::string_view kSeparators = " \t/.-";

// A pattern as a run of fields ('d', 'M' or 'y' with the length of its run) and literal text.
struct Token {
  char field = 0;  // 0: literal text
  std::size_t run = 0;
  std::string literal;
};

std::vector<Token> tokens_of(std::string_view pattern) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == 'd' || c == 'M' || c == 'y') {
      std::size_t run = 0;
      while (i < pattern.size() && pattern[i] == c) ++run, ++i;
      tokens.push_back({c, run, {}});
      continue;
    }
    Token literal;
    if (c == '\'') {  // quoted text, '' for a quote
      for (++i; i < pattern.size(); ++i) {
        if (pattern[i] != '\'') {
          literal.literal.push_back(pattern[i]);
        } else if (i + 1 < pattern.size() && pattern[i + 1] == '\'') {
          literal.literal.push_back('\'');
          ++i;
        } else {
          ++i;
          break;
        }
      }
    } else {
      literal.literal.push_back(c);
      ++i;
    }
    tokens.push_back(std::move(literal));
  }
  return tokens;
}

// The pattern's tokens when it writes day, month and year as numbers, else M/d/yyyy's.
std::vector<Token> numeric_form(std::string_view pattern) {
  std::vector<Token> tokens = tokens_of(pattern);
  bool day = false, month = false, year = false, names = false;
  for (const Token& t : tokens) {
    day = day || t.field == 'd';
    month = month || t.field == 'M';
    year = year || t.field == 'y';
    names = names || ((t.field == 'd' || t.field == 'M') && t.run > 2);
  }
  if (!day || !month || !year || names) tokens = tokens_of(kNamelessForm);
  return tokens;
}

std::optional<unsigned> digits_value(const std::string& digits, std::size_t most) {
  if (digits.empty() || digits.size() > most) return std::nullopt;
  unsigned v = 0;
  for (char c : digits) v = v * 10 + static_cast<unsigned>(c - '0');
  return v;
}

std::string padded(unsigned value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

}  // namespace

std::optional<int> typed_date(std::string_view text, std::string_view pattern) {
  const std::vector<Token> form = numeric_form(pattern);
  std::string order;  // the fields in the form's order
  std::string literals(kSeparators);
  for (const Token& t : form) {
    if (t.field == 0)
      literals += t.literal;
    else if (order.find(t.field) == std::string::npos)
      order.push_back(t.field);
  }
  std::vector<std::string> groups;
  bool in_group = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (!in_group) groups.emplace_back();
      groups.back().push_back(c);
      in_group = true;
    } else if (literals.find(c) != std::string::npos) {
      in_group = false;
    } else {
      return std::nullopt;
    }
  }
  if (groups.size() != 3) return std::nullopt;
  if (groups[0].size() == 4) order = "yMd";
  std::optional<unsigned> day, month, year;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string& g = groups[i];
    if (order[i] == 'd') day = digits_value(g, 2);
    if (order[i] == 'M') month = digits_value(g, 2);
    if (order[i] == 'y' && g.size() != 3) year = digits_value(g, 4);
    if (order[i] == 'y' && year && g.size() <= 2)
      *year += *year >= kFirstDateYear % 100 ? 1900 : 2000;
  }
  if (!day || !month || !year || *year == 0) return std::nullopt;
  const sheet::CivilDate date{static_cast<int>(*year), static_cast<int>(*month),
                              static_cast<int>(*day)};
  if (!sheet::is_valid_date(date)) return std::nullopt;
  return static_cast<int>(sheet::serial_from_date(date));
}

std::string date_shown(double serial, std::string_view pattern) {
  static const double first = sheet::serial_from_date({1, 1, 1});
  static const double last = sheet::serial_from_date({9999, 12, 31});
  if (!std::isfinite(serial) || serial < first || serial >= last + 1) return {};
  const sheet::CivilDate date = sheet::date_from_serial(serial);
  std::string text;
  for (const Token& t : numeric_form(pattern)) {
    switch (t.field) {
      case 'd': text += padded(static_cast<unsigned>(date.day), t.run); break;
      case 'M': text += padded(static_cast<unsigned>(date.month), t.run); break;
      case 'y': text += padded(static_cast<unsigned>(date.year), 4); break;
      default: text += t.literal; break;
    }
  }
  return text;
}

bool in_date_window(double serial) {
  const int year = sheet::date_from_serial(serial).year;
  return year >= kFirstDateYear && year <= kLastDateYear;
}

}  // namespace pellavan::loads
