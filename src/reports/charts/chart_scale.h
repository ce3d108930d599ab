#pragma once
// The value-axis scale of the graphs: from 0 to a round top at or above the data maximum, in
// even steps a reader can count by; and MakeLong, for the charts' packed settings.

#include <cstdint>

#include "reports/charts/chart.h"

namespace pellavan::reports {

struct AxisScale {
  double top = 1.0;
  double interval = 1.0;
  friend bool operator==(const AxisScale&, const AxisScale&) = default;
};

// The smallest step of 1, 2, 2.5 or 5 times a power of ten that reaches `maximum` in at most 10
// steps, and as top the first multiple of it at or above the maximum: 5 to 10 steps from a
// maximum of 10 up. Steps are whole numbers, as the labels are written whole (no 2.5 alone, no
// step below 1), so a maximum up to 10 is reached in steps of 1. A maximum of 0 or less (or no
// number) spans 0 to 1.
AxisScale axis_scale(double maximum);

// Scale limits of `chart` for `ChartMax`: lower end 0, top and interval by axis_scale.
void Scale_ChartAxis(Chart& chart, std::int32_t ChartMax);

// Raises the top to the axis_scale of the largest value the chart shows: a maximum rounded to a
// whole number (36.48 to 36) must not leave the top of a series outside the frame.
void Fit_ChartAxis(Chart& chart);

// hi x 65536 + lo, both signed: a negative lo borrows from hi (MakeLong(-1, 1) = 65,535).
constexpr std::int32_t MakeLong(std::int16_t lo, std::int16_t hi) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(hi) * 65536 + lo);
}

}  // namespace pellavan::reports
