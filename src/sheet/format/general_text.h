#pragma once
// The General display of a number: what fits a standard column, at most 11 characters.

#include <string>

namespace pellavan::sheet::detail {

constexpr int kGeneralWidth = 11;

// Fixed notation when it fits and keeps at least as many significant digits as the exponent form
// would ("0.333333333", "12345678901", "0.0001234"), otherwise the exponent form ("1.23457E+11",
// "1.23456E-05"). Rounded half away from zero; "-" counts towards the width.
std::string general_text(double value);

// The same for a magnitude shown in `width` characters, without sign.
std::string general_magnitude_text(double magnitude, int width);

}  // namespace pellavan::sheet::detail
