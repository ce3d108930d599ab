#pragma once
// The bare text of a number as cell readers get it back, whatever the cell's display format.

#include <string>

namespace pellavan::sheet {

// At most 15 significant digits, trailing zeros dropped, "." as decimal point, "-" for negatives.
// Fixed notation for 1E-04 <= |value| < 1E+15; outside that an exponent form such as "1.5E+20" or
// "1E-07" (mantissa, "E", sign, at least two digits), which the entry rule and Val-style readers
// read back. -0 gives "0"; an infinity or NaN gives "#NUM!", which such readers take as 0.
std::string plain_number_text(double value);

}  // namespace pellavan::sheet
