#pragma once
// Numbers as text. Every text is written and read with "." as the decimal point and without
// digit grouping, whatever the locale: project values, workbook cells and window fields must mean
// the same on every machine. Nothing here uses the C locale.

#include <cstdint>
#include <optional>
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

// How a box shows its value: as a whole number ("45,000" Btu/h) or with decimals (prices, kW).
enum class Places : std::uint8_t { Whole, Decimals };

// Why a typed text with a comma, or a point where a comma may be meant, shows no number.
enum class Comma : std::uint8_t {
  None,
  // The comma cannot separate thousands, it stands for a decimal point: "0,459", "1,90", and
  // "1.234,5" with points that group thousands.
  Decimal,
  Ambiguous,  // one comma before three digits in a box with decimals: "1,234" is 1.234 or 1234
  // In a box of whole numbers, a point after one to three digits (no leading 0) before exactly
  // three digits: "1.500" is 1.5 or 1500 with a point that groups thousands.
  AmbiguousPoint,
};

// A typed text as read: its number, or nothing with the comma that is the cause, if one is.
struct TypedNumber {
  std::optional<double> value;
  Comma comma = Comma::None;
};

// A number as people type it into a box, read as the box shows it. Blanks, tabs and line feeds
// are skipped wherever they stand, as Val skips them; then an optional sign, an optional currency
// sign "$", the whole part either plain or grouped by "," in threes ("45,000", "1,234,567"), an
// optional "." with decimals, and Val's optional exponent. An empty text is 0. A comma separates
// thousands only where it can: never after a leading 0 ("0,459") or after a point ("1.234,5"),
// and in a box with decimals not as the one comma of a text without a decimal point ("1,234",
// which may mean 1.234). In a box of whole numbers a point that may group thousands is no
// decimal point ("1.500", which may mean 1500). Nothing when the text shows no such number
// ("1,90", "12 ft", "1.2.3", "$", "abc"): the box is to be refused, never read as something else
// than it shows.
[[nodiscard]] TypedNumber read_typed(std::string_view text, Places places);
[[nodiscard]] std::optional<double> typed_number(std::string_view text, Places places);
// typed_number, or Val where the text shows no number: for comparisons with what a box holds.
[[nodiscard]] double typed_value(std::string_view text, Places places);
// Whether a box's text no longer shows the number of the text it was shown: a text that shows no
// number always differs ("12 ft" from "12").
[[nodiscard]] bool differs_from_shown(std::string_view text, std::string_view shown, Places places);
// The message that refuses a typed text for its comma (or its point), saying what to type instead.
[[nodiscard]] std::string comma_message(std::string_view text, Comma comma);

// Fixed notation with `decimals` places, as a display pattern "0.0" (leading_zero) or "#.0" (no
// leading zero: 0.25 -> ".3"). Rounds the value's 15-digit decimal form half away from zero, as
// Basic's Format does, so a value shown and compared later rounds the same way. A result that
// rounds to zero has no minus sign. Non-finite values give "inf", "-inf" or "nan".
[[nodiscard]] std::string format_fixed(double value, int decimals, bool leading_zero);

// `digits` significant digits, trailing zeros dropped, exponent form for very small or large
// values ("0.222222222222222", "2.5e-05"): the printf "%.<digits>g" form in the C locale.
[[nodiscard]] std::string format_significant(double value, int digits);

}  // namespace pellavan::model
