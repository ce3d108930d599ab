#pragma once
// The project date as the user reads and types it: in the short date form of the user's locale,
// handed in as its pattern ("M/d/yy", "dd/MM/yyyy", "dd.MM.yy", "yyyy-MM-dd"; d, M and y with
// their runs, quoted or other characters as they stand). Dates are day serials, days since
// 30 December 1899, as the project stores them.
//
//   - Written: the pattern with a four-digit year ("dd.MM.yy" writes 05.03.2026). A form that
//     names the month or the weekday (the C locale's "d MMM yyyy") gives way to M/d/yyyy.
//   - Read: three groups of digits in the pattern's order of day, month and year, between the
//     pattern's own characters or "/", ".", "-" and blanks; a first group of four digits is a
//     year, month and day (ISO: 2026-03-05) in every locale. A year of one or two digits lies
//     in 1990 to 2099 ("3/5/26" is 2026, "1/1/95" 1995).

#include <optional>
#include <string>
#include <string_view>

namespace pellavan::loads {

inline constexpr int kFirstDateYear = 1990;
inline constexpr int kLastDateYear = 2099;

// The day serial of a typed date, or nothing when the text is no date.
[[nodiscard]] std::optional<int> typed_date(std::string_view text, std::string_view pattern);
// The day of a serial (its fraction dropped) in the pattern's form, with a four-digit year; ""
// for a serial outside the years 1 to 9999.
[[nodiscard]] std::string date_shown(double serial, std::string_view pattern);
// Whether the day of a serial lies in the years a project date may take, kFirstDateYear to
// kLastDateYear; a date typed outside them is refused.
[[nodiscard]] bool in_date_window(double serial);

}  // namespace pellavan::loads
