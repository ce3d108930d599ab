#pragma once
// The value axis as drawn: one tick per interval from the lower to the upper end of the scale,
// each labelled through the chart's LabelRequest; and the rule of the graphs' labels.

#include <string>
#include <string_view>
#include <vector>

#include "reports/charts/chart.h"

namespace pellavan::reports {

struct AxisTick {
  double value = 0.0;
  std::string label;
};

// The ticks of the chart's value axis, rising. A scale without room (upper end not above the
// lower) spans 0 to 1; an interval of 0 or one that would give more than 100 ticks is replaced by a
// tenth of the span.
std::vector<AxisTick> value_axis_ticks(Chart& chart);

// A label as the graphs write it: the number the label reads (its leading number) taken to a
// whole number, halves to even, and written in `format_code` ("#,###0": 12,345; "$#,###0":
// $12,345).
std::string whole_number_label(std::string_view label, std::string_view format_code);

}  // namespace pellavan::reports
