// The value-axis scale of the graphs and MakeLong, without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "reports/charts/chart_scale.h"

namespace pellavan::reports {
namespace {

// Steps of 1, 2, 2.5 or 5 times a power of ten, whole, 5 to 10 of them from a maximum of 10 up.
bool round_step(double step) {
  if (step < 1 || step != std::floor(step)) return false;
  double unit = 1;
  while (step / unit >= 10) unit *= 10;
  const double multiple = step / unit;
  return multiple == 1 || multiple == 2 || multiple == 2.5 || multiple == 5;
}

TEST(ChartScaleTest, TheAxisReachesTheMaximumInFiveToTenRoundSteps) {
  struct Row {
    double maximum;
    double top, interval;
  };
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  constexpr Row rows[] = {
      {0, 1, 1},
      {-5, 1, 1},
      {kNaN, 1, 1},
      {0.25, 1, 1},  // no step below 1: the labels are whole numbers
      {1, 1, 1},
      {3, 3, 1},
      {10, 10, 1},
      {11, 12, 2},
      {23.55, 25, 5},  // a metric capacity in kW: no step of 2.5
      {36.48, 40, 5},
      {100, 100, 10},
      {101, 120, 20},
      {1'001, 1'200, 200},
      {2'091.87, 2'250, 250},    // the sample's comparison graph
      {81'000, 90'000, 10'000},  // the sample's Geo A bin graph
      {999'999, 1'000'000, 100'000},
      {1'000'001, 1'200'000, 200'000},
      {std::numeric_limits<std::int32_t>::max(), 2'250'000'000.0, 250'000'000},
      {922'337'203'685'477.5807, 1e15, 1e14},  // the largest four-decimal value read
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.maximum);
    EXPECT_EQ(axis_scale(r.maximum), (AxisScale{r.top, r.interval}));
  }
  // Every maximum of a range, tiny to huge.
  for (double maximum = 0.001; maximum < 1e16; maximum *= 1.0137) {
    for (const double m : {maximum, std::round(maximum)}) {
      SCOPED_TRACE(m);
      const AxisScale scale = axis_scale(m);
      EXPECT_TRUE(round_step(scale.interval)) << scale.interval;
      EXPECT_GE(scale.top, m);
      const double steps = scale.top / scale.interval;
      EXPECT_EQ(steps, std::round(steps));
      EXPECT_LE(steps, 10);
      EXPECT_GE(steps, m <= 10 ? 1 : 5);
      if (m > 0) {
        EXPECT_LT(scale.top - scale.interval, m) << "the top is the first step above";
      }
    }
  }
}

TEST(ChartScaleTest, TheChartTakesTheScaleForItsWholeMaximum) {
  struct Row {
    std::int32_t chart_max;
    double top, interval;
  };
  constexpr Row rows[] = {
      {-5, 1, 1},
      {0, 1, 1},
      {7, 7, 1},
      {101, 120, 20},
      {81'000, 90'000, 10'000},
      {4'000'001, 4'500'000, 500'000},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.chart_max);
    Chart chart(ChartKind::kLinesWithMarkers, "");
    chart.Chart_ScaleLimit(kScaleMin, -3);
    Scale_ChartAxis(chart, r.chart_max);
    EXPECT_EQ(chart.scale_limit(kScaleMin), 0);
    EXPECT_EQ(chart.scale_limit(kScaleMax), r.top);
    EXPECT_EQ(chart.scale_limit(kScaleInterval), r.interval);
  }
}

TEST(ChartScaleTest, TheAxisRisesToTheLargestValueShown) {
  struct Row {
    std::int32_t chart_max;  // the rounded maximum cell
    double values[3];
    double top, interval;
  };
  constexpr Row rows[] = {
      {40, {40.4, 20, kNoValue}, 45, 5},  // a metric capacity above its rounded maximum
      {100, {100.4, 0, 0}, 120, 20},
      {1'000, {999, 1'000, 4}, 1'000, 100},  // every value inside: the axis stays
      {36, {36.48, 20, 0}, 40, 5},           // above the maximum but inside the round top
      {4, {2, kNoValue, kNoValue}, 4, 1},
      {0, {0.25, 0.5, 0}, 1, 1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.values[0]);
    Chart chart(ChartKind::kLinesWithMarkers, "");
    Scale_ChartAxis(chart, r.chart_max);
    chart.Chart_BeginValues(1, 3, 1);
    for (int s = 0; s < 3; ++s) {
      chart.Chart_ActiveSeries(s);
      chart.Chart_SeriesValue(0, r.values[s]);
    }
    chart.Chart_EndValues(1);
    Fit_ChartAxis(chart);
    EXPECT_EQ(chart.scale_limit(kScaleMax), r.top);
    EXPECT_EQ(chart.scale_limit(kScaleInterval), r.interval);
  }
}

TEST(ChartScaleTest, MakeLongPacksTwoSignedHalves) {
  struct Row {
    std::int16_t lo, hi;
    std::int32_t packed;
  };
  constexpr Row rows[] = {
      {-1, 1, 65'535}, {160, 505, 505 * 65'536 + 160}, {0, -1, -65'536}, {-1, -1, -65'537}};
  for (const Row& r : rows) EXPECT_EQ(MakeLong(r.lo, r.hi), r.packed) << r.lo << ", " << r.hi;
}

}  // namespace
}  // namespace pellavan::reports
