#pragma once
// Numbers as text. Every text is written and read with "." as the decimal point and without
// digit grouping, whatever the locale: project values, workbook cells and window fields must mean
// the same on every machine. Nothing here uses the C locale.

#include <string>
#include <string_view>

namespace pellavan::model {

// The number at the start of a text, 0 when there is none (Basic's Val):
//  - blanks, tabs and line feeds are skipped wherever they stand ("1 000" reads 1000);
//  - an optional sign, digits with at most one ".", then an optional exponent "E" or "D" with
//    optional sign and at least one digit ("1.5E3", "2d-2");
//  - reading stops at the first other character ("12 ft" -> 12, "1,5" -> 1, "abc" -> 0).
// Unlike Basic, "&H"/"&O" prefixes are not read (nothing in the program writes them) and a number
// beyond the double range gives the largest finite double of its sign instead of an overflow error.
[[nodiscard]] double Val(std::string_view text);

// Fixed notation with `decimals` places, as a display pattern "0.0" (leading_zero) or "#.0" (no
// leading zero: 0.25 -> ".3"). Rounds the value's 15-digit decimal form half away from zero, as
// Basic's Format does, so a value shown and compared later rounds the same way. A result that
// rounds to zero has no minus sign. Non-finite values give "inf", "-inf" or "nan".
[[nodiscard]] std::string format_fixed(double value, int decimals, bool leading_zero);

// `digits` significant digits, trailing zeros dropped, exponent form for very small or large
// values ("0.222222222222222", "2.5e-05"): the printf "%.<digits>g" form in the C locale.
[[nodiscard]] std::string format_significant(double value, int digits);

}  // namespace pellavan::model
