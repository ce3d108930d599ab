#include "reports/charts/chart_scale.h"

#include <algorithm>
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

}  // namespace

std::span<const double> axis_candidates() {
  static const std::vector<double> ladder = make_candidates();
  return ladder;
}

void Scale_ChartAxis(Chart& chart, std::int32_t ChartMax) {
  const std::span<const double> ladder = axis_candidates();
  // The smallest candidate at or above the maximum; the ladder reaches beyond every Int32.
  const double top = *std::lower_bound(ladder.begin(), ladder.end(), static_cast<double>(ChartMax));
  chart.Chart_ScaleLimit(kScaleInterval, top / 10);
  chart.Chart_ScaleLimit(kScaleMax, top);
  chart.Chart_ScaleLimit(kScaleMin, 0);
}

}  // namespace pellavan::reports
