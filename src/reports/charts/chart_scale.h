#pragma once
// The value-axis scale of the graphs: from 0 to the smallest candidate maximum not below the
// data maximum, with a tenth of it as interval; and MakeLong, for the charts' packed settings.

#include <cstdint>
#include <span>

#include "reports/charts/chart.h"

namespace pellavan::reports {

// Candidate maxima, rising: 1 to 100 in steps of 1, then each decade in steps of a tenth of its
// lower end (110 to 1,000 by 10, 1,100 to 10,000 by 100, ...). The 460 up to 1,000,000 go on in
// the same pattern until every 32-bit maximum has one.
std::span<const double> axis_candidates();

// Scale limits of `chart` for `ChartMax`: lower end 0, upper end the smallest candidate not
// below it, interval a tenth of that (0 to 1 by 0.1 for a maximum of 1 or less).
void Scale_ChartAxis(Chart& chart, std::int32_t ChartMax);

// Raises the upper end to the smallest candidate not below the largest value the chart shows,
// with a tenth of it as interval: a maximum rounded to a whole number (36.48 to 36) must not
// leave the top of a series outside the frame.
void Fit_ChartAxis(Chart& chart);

// hi x 65536 + lo, both signed: a negative lo borrows from hi (MakeLong(-1, 1) = 65,535).
constexpr std::int32_t MakeLong(std::int16_t lo, std::int16_t hi) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(hi) * 65536 + lo);
}

}  // namespace pellavan::reports
