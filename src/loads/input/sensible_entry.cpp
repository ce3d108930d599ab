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

double ratio_of(std::string_view text) {
  return places(model::typed_value(text, model::Places::Decimals), 4);
}

std::optional<std::string> sensible_from_ratio(std::string_view cooling, std::string_view ratio,
                                               model::Places loads) {
  const std::optional<double> typed = model::typed_number(cooling, loads);
  if (!typed) return std::nullopt;
  const double load = model::round_half_even(*typed);
  return model::format_significant(places(load * ratio_of(ratio), 4), 15);
}

std::optional<RatioFromSensible> ratio_from_sensible(std::string_view cooling,
                                                     std::string_view sensible,
                                                     model::Places loads) {
  const std::optional<double> typed = model::typed_number(cooling, loads);
  const std::optional<double> part = model::typed_number(sensible, loads);
  if (!typed || !part) return std::nullopt;
  RatioFromSensible out;
  double load = *typed;
  if (!(load > 0)) {
    out.cooling.emplace(1, '1');
    load = 1;
  }
  out.ratio = model::format_fixed(places(*part / load, 4), 2, false);
  return out;
}

}  // namespace pellavan::loads
