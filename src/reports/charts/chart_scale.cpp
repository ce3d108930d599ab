#include "reports/charts/chart_scale.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace pellavan::reports {

namespace {

std::vector<double> make_candidates() {
  std::vector<double> ladder;
  for (int c = 1; c <= 100; ++c) ladder.push_back(c);
  constexpr double kLargest = std::numeric_limits<std::int32_t>::max();
  for (double decade = 100; ladder.back() < kLargest; decade *= 10) {
    const double step = decade / 10;
    for (int k = 11; k <= 100; ++k) ladder.push_back(step * k);
  }
  return ladder;
}

// From 0 to the smallest candidate at or above `maximum` (past the ladder's end, the maximum
// itself) by a tenth of it.
void scale_to(Chart& chart, double maximum) {
  const std::span<const double> ladder = axis_candidates();
  const auto at = std::lower_bound(ladder.begin(), ladder.end(), maximum);
  const double top = at == ladder.end() ? maximum : *at;
  chart.Chart_ScaleLimit(kScaleInterval, top / 10);
  chart.Chart_ScaleLimit(kScaleMax, top);
  chart.Chart_ScaleLimit(kScaleMin, 0);
}

}  // namespace

std::span<const double> axis_candidates() {
  static const std::vector<double> ladder = make_candidates();
  return ladder;
}

void Scale_ChartAxis(Chart& chart, std::int32_t ChartMax) {
  scale_to(chart, static_cast<double>(ChartMax));
}

void Fit_ChartAxis(Chart& chart) {
  double largest = chart.scale_limit(kScaleMax);
  for (int s = 0; s < chart.series_count(); ++s) {
    for (int pt = 0; pt < chart.point_count(); ++pt) {
      const double v = chart.value(s, pt);
      if (v != kNoValue && std::isfinite(v)) largest = std::max(largest, v);
    }
  }
  if (largest > chart.scale_limit(kScaleMax)) scale_to(chart, largest);
}

}  // namespace pellavan::reports
