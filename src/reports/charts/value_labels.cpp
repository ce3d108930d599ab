#include "reports/charts/value_labels.h"

#include <functional>
#include <map>

#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "sheet/format/number_format.h"

namespace pellavan::reports {

namespace {

constexpr int kMostTicks = 100;

// Every label of a chart is written in one of a few formats: each is parsed once.
const sheet::NumberFormat& parsed_format(std::string_view code) {
  thread_local std::map<std::string, sheet::NumberFormat, std::less<>> parsed;
  auto it = parsed.find(code);
  if (it == parsed.end()) it = parsed.emplace(code, sheet::NumberFormat::parse(code)).first;
  return it->second;
}

}  // namespace

std::vector<AxisTick> value_axis_ticks(Chart& chart) {
  double low = chart.scale_limit(kScaleMin);
  double high = chart.scale_limit(kScaleMax);
  if (!(high > low)) {
    low = 0.0;
    high = 1.0;
  }
  double step = chart.scale_limit(kScaleInterval);
  if (!(step > 0.0) || (high - low) / step > kMostTicks) step = (high - low) / 10;
  std::vector<AxisTick> ticks;
  // Each tick from its own multiple, so that 0.1 steps do not gather rounding errors.
  for (int i = 0; low + i * step <= high + step * 1e-9; ++i) {
    const double value = low + i * step;
    ticks.push_back({value, chart.value_label(value)});
  }
  return ticks;
}

std::string whole_number_label(std::string_view label, std::string_view format_code) {
  const double whole = model::round_half_even(model::Val(label));
  return parsed_format(format_code).format_number(whole).text;
}

}  // namespace pellavan::reports
