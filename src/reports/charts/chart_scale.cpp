#include "reports/charts/chart_scale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pellavan::reports {

namespace {

constexpr double kMostSteps = 10;

void scale_to(Chart& chart, double maximum) {
  const AxisScale scale = axis_scale(maximum);
  chart.Chart_ScaleLimit(kScaleInterval, scale.interval);
  chart.Chart_ScaleLimit(kScaleMax, scale.top);
  chart.Chart_ScaleLimit(kScaleMin, 0);
}

}  // namespace

AxisScale axis_scale(double maximum) {
  if (!(maximum > 0) || !std::isfinite(maximum)) return {};
  // The decade whose unit the maximum holds at least ten times: its tenfold always reaches it
  // in ten steps or fewer.
  double decade = std::pow(10.0, std::floor(std::log10(maximum / 10)));
  // log10 and pow may miss by a decade far from 1.
  if (maximum >= 100 * decade) decade *= 10;
  if (maximum < 10 * decade) decade /= 10;
  decade = std::max(1.0, decade);
  constexpr std::array<double, 5> kMultiples = {1, 2, 2.5, 5, 10};
  double step = decade;
  for (const double multiple : kMultiples) {
    if (decade == 1 && multiple == 2.5) continue;
    step = decade * multiple;
    if (std::ceil(maximum / step) <= kMostSteps) break;
  }
  return {std::ceil(maximum / step) * step, step};
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
