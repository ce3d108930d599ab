#include "model/units/temperature.h"

#include <cmath>

#include "model/units/number_text.h"
#include "model/units/rounding.h"

namespace pellavan::model {
namespace {

// The factors as the conversions form them, so products round exactly as the stored values expect.
constexpr double kFiveNinths = 5.0 / 9.0;
constexpr double kNineFifths = 9.0 / 5.0;

bool fraction_is_two_ninths(double x) {
  const double fraction = x - std::trunc(x);
  return format_significant(std::fabs(fraction), 15).substr(0, 10) == "0.22222222";
}

}  // namespace

std::string Round_Half(double x) {
  if (fraction_is_two_ninths(x)) x = x > 0.0 ? x + 0.25 : x - 0.05;
  return format_fixed(round_half_even(2.0 * x) / 2.0, 1, true);
}

Int32 C_To_F(double celsius) { return round_to_int32(kNineFifths * celsius + 32.0); }

double F_To_C(double fahrenheit) { return Val(Round_Half((fahrenheit - 32.0) * kFiveNinths)); }

double F_To_C_Int(Int16 fahrenheit) {
  return Val(Round_Half(kFiveNinths * static_cast<double>(fahrenheit - 32)));
}

double DF_To_DC(double f_degrees) { return Val(Round_Half(kFiveNinths * f_degrees)); }

Int32 DC_To_DF(double c_degrees) { return round_to_int32(c_degrees * 9.0 / 5.0); }

}  // namespace pellavan::model
