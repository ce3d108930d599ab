#include "loads/input/sensible_entry.h"

#include <cmath>

#include "model/units/number_text.h"
#include "model/units/rounding.h"

namespace pellavan::loads {
namespace {

double places(double v, int n) {
  const double scale = std::pow(10.0, n);
  return std::round(v * scale) / scale;
}

}  // namespace

double ratio_of(std::string_view text) { return places(model::Val(text), 4); }

std::string sensible_from_ratio(std::string_view cooling, std::string_view ratio, bool in_kw) {
  const double load = places(model::Val(cooling), in_kw ? 1 : 0);
  const double sensible = load * ratio_of(ratio);
  return in_kw ? model::format_fixed(sensible, 1, false)
               : model::format_significant(model::round_half_even(sensible), 15);
}

RatioFromSensible ratio_from_sensible(std::string_view cooling, std::string_view sensible) {
  RatioFromSensible out;
  double load = model::Val(cooling);
  if (!(load > 0)) {
    out.cooling.emplace(1, '1');
    load = 1;
  }
  out.ratio = model::format_fixed(places(model::Val(sensible) / load, 4), 2, false);
  return out;
}

}  // namespace pellavan::loads
