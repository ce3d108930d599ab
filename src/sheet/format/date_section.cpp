#include <array>
#include <cmath>
#include <string_view>

#include "sheet/format/date_serial.h"
#include "sheet/format/number_section.h"

namespace pellavan::sheet::detail {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr std::array<std::string_view, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                       "Thursday", "Friday", "Saturday"};

std::string padded(int value, std::size_t width) {
  std::string s = std::to_string(value);
  if (s.size() < width) s.insert(0, width - s.size(), '0');
  return s;
}

// A day or month name: whole (4 letters of code, or more for days), three letters (3) or, for
// months, the first letter only (5 and more).
std::string name_part(std::string_view name, int count, bool month) {
  if (count == 3) return std::string(name.substr(0, 3));
  if (month && count >= 5) return std::string(name.substr(0, 1));
  return std::string(name);
}

std::string date_part(const Token& t, CivilDate date, int weekday) {
  switch (t.ch) {
    case 'y': return t.count <= 2 ? padded(date.year % 100, 2) : padded(date.year, 4);
    case 'm':
      if (t.count <= 2) return padded(date.month, static_cast<std::size_t>(t.count));
      return name_part(kMonths[static_cast<std::size_t>(date.month - 1)], t.count, true);
    default:
      if (t.count <= 2) return padded(date.day, static_cast<std::size_t>(t.count));
      return name_part(kWeekdays[static_cast<std::size_t>(weekday)], t.count, false);
  }
}

}  // namespace

bool date_section_shows(double serial) {
  static const double kEnd = serial_from_date({10000, 1, 1});
  return serial >= 0.0 && serial < kEnd;
}

std::string render_date_section(const Section& s, double serial) {
  const double day = std::floor(serial);
  const CivilDate date = date_from_serial(day);
  // Serial 0, 1899-12-30, was a Saturday.
  const int weekday = (static_cast<int>(std::fmod(day, 7.0)) + 6) % 7;
  std::string out;
  for (const auto& t : s.tokens) {
    if (t.type == Token::Type::kDatePart) {
      out += date_part(t, date, weekday);
    } else if (t.type == Token::Type::kLiteral) {
      out += t.text;
    }
  }
  return out;
}

}  // namespace pellavan::sheet::detail
