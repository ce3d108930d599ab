#pragma once
// The texts in which the filler hands project and catalogue values to the workbook. Every
// value crosses as text; these forms are the ones the workbook's entry rule reads back exactly,
// on every machine: "." as decimal point, no group separator, no leading blank, "-" for
// negatives, whatever the locale.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/record/field_types.h"

namespace pellavan::model {

// Fixed point with four decimals: up to four decimals, no trailing zeros, "0." before a value
// below 1 (0.07 -> "0.07", 1.3 -> "1.3", 80000 -> "80000", -0.5 -> "-0.5").
std::string currency_text(Currency value);

// Whole numbers as plain digits.
std::string integer_text(std::int64_t value);

// Up to 15 significant digits; an exponent form ("1E-07", "1.5E+20") only for very small or
// very large values. inf and NaN have no text a number cell could take: they give "".
std::string double_text(double value);

// Up to 7 significant digits, at the float's own precision (0.1f -> "0.1", not the
// 0.100000001490116 of its double), the exponent written as for double_text.
std::string single_text(float value);

// m/d/yyyy of the day (no leading zeros, four-digit year), which the entry rule turns into the
// day serial. A serial outside the years 100..9999, or not finite, gives "".
std::string date_text(OleDate value);

// A fixed-length text field as the workbook gets it: up to its first NUL (a field never
// assigned holds NULs), converted to UTF-8. `stored` keeps the blanks; `trimmed` drops leading
// and trailing ones.
std::string stored_field_text(std::string_view bytes);
std::string trimmed_field_text(std::string_view bytes);

// The field's bytes up to its first NUL.
template <std::size_t N>
std::string_view field_bytes(const Text<N>& field) {
  const std::string_view all(field.bytes().data(), N);
  return all.substr(0, all.find('\0'));
}

template <std::size_t N>
std::string stored_text(const Text<N>& field) {
  return stored_field_text(std::string_view(field.bytes().data(), N));
}
template <std::size_t N>
std::string trimmed_text(const Text<N>& field) {
  return trimmed_field_text(std::string_view(field.bytes().data(), N));
}

}  // namespace pellavan::model
