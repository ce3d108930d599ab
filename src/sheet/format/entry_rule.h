#pragma once
// What a text written into a cell becomes: empty, a number (dates become their day serial) or text.

#include <cstdint>
#include <string>
#include <string_view>

namespace pellavan::sheet {

struct EntryValue {
  enum class Kind : std::uint8_t { kEmpty, kNumber, kText };
  Kind kind = Kind::kEmpty;
  double number = 0.0;   // kNumber; a m/d/y date gives its serial
  std::string text;      // kText, unchanged
  bool is_date = false;  // the number came from a date text (an unformatted cell shows a date)
};

// Accepted number forms: optional "-", digits with at most one "." (".5" and "5." included),
// optional exponent "E"/"e" with optional sign and digits. No blanks, "+" or group separators.
// Values beyond the range of a double stay text, so no cell ever holds an infinity.
// Accepted dates: m/d/y with 1-2 digit month and day and a 1, 2 or 4 digit year; years 0-29 mean
// 2000-2029 and 30-99 mean 1930-1999; the date must exist and lie in 1900..9999.
EntryValue apply_entry_rule(std::string_view text);

}  // namespace pellavan::sheet
