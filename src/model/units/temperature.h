#pragma once
// Temperatures between the stored °F and the displayed °C. Shown °C values go to the nearest half
// degree through Round_Half; entered °C go back to whole °F.
//
// The two directions are not inverses: 45 °F shows as 7.5 °C, which converts back to 46 °F.
// A window that stores a shown temperature back must go through TemperatureMemo.

#include <string>

#include "model/record/field_types.h"

namespace pellavan::model {

// 9/5 x c + 32, rounded half to even: C_To_F(2.5) = 36.
[[nodiscard]] Int32 C_To_F(double celsius);
// Round_Half((f - 32) x 5/9) read back: F_To_C(36) = 2.5, F_To_C(35) = 1.5.
[[nodiscard]] double F_To_C(double fahrenheit);
// F_To_C of a 16-bit value; the subtraction is done wide, so no value overflows.
[[nodiscard]] double F_To_C_Int(Int16 fahrenheit);
// Temperature differences: Round_Half(5/9 x d), and d x 9 / 5 rounded half to even.
[[nodiscard]] double DF_To_DC(double f_degrees);
[[nodiscard]] Int32 DC_To_DF(double c_degrees);

// x to the nearest multiple of 0.5 as text with one decimal and "." ("2.0", "-0.5"). Exact quarters
// go to the even multiple, the whole number (1.25 -> "1.0"). A fraction that reads "0.22222222" at
// 15 significant digits (two ninths) is first pushed away from zero (+0.25 above zero, -0.05
// otherwise), so 2.2222... gives "2.5" where plain rounding would give "2.0": this makes 36 °F show
// as 2.5 °C, which converts back to 36 °F.
[[nodiscard]] std::string Round_Half(double x);

}  // namespace pellavan::model
