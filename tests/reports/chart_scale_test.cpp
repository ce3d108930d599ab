// The value-axis scale of the graphs and MakeLong, without a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "reports/charts/chart_scale.h"

namespace pellavan::reports {
namespace {

TEST(ChartScaleTest, TheAxisRunsFromZeroToTheNextCandidateByATenthOfIt) {
  struct Row {
    std::int32_t chart_max;
    double top;
  };
  constexpr Row rows[] = {
      {0, 1},
      {-5, 1},
      {7, 7},
      {100, 100},
      {101, 110},
      {1'000, 1'000},
      {1'001, 1'100},
      {10'001, 11'000},
      {100'001, 110'000},
      {999'999, 1'000'000},
      {1'000'000, 1'000'000},
      // Above 1,000,000 the ladder goes on in the same pattern.
      {1'000'001, 1'100'000},
      {4'000'000, 4'000'000},
      {4'000'001, 4'100'000},
      {10'000'001, 11'000'000},
      {std::numeric_limits<std::int32_t>::max(), 2'200'000'000.0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.chart_max);
    Chart chart(ChartKind::kLinesWithMarkers, "");
    chart.Chart_ScaleLimit(kScaleMin, -3);
    Scale_ChartAxis(chart, r.chart_max);
    EXPECT_EQ(chart.scale_limit(kScaleMin), 0);
    EXPECT_EQ(chart.scale_limit(kScaleMax), r.top);
    EXPECT_DOUBLE_EQ(chart.scale_limit(kScaleInterval), r.top / 10);
  }
}

TEST(ChartScaleTest, TheAxisRisesToTheLargestValueShown) {
  struct Row {
    std::int32_t chart_max;  // the rounded maximum cell
    double values[3];
    double top;
  };
  constexpr Row rows[] = {
      {36, {36.48, 20, kNoValue}, 37},  // a metric capacity above its rounded maximum
      {100, {100.4, 0, 0}, 110},
      {1'000, {999, 1'000, 4}, 1'000},  // every value inside: the axis stays
      {4, {2, kNoValue, kNoValue}, 4},
      {0, {0.25, 0.5, 0}, 1},
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
    EXPECT_DOUBLE_EQ(chart.scale_limit(kScaleInterval), r.top / 10);
  }
}

TEST(ChartScaleTest, FourHundredSixtyCandidatesUpToAMillionAndRisingBeyond) {
  const auto ladder = axis_candidates();
  EXPECT_EQ(std::count_if(ladder.begin(), ladder.end(), [](double c) { return c <= 1'000'000; }),
            460);
  EXPECT_TRUE(std::is_sorted(ladder.begin(), ladder.end()));
  EXPECT_EQ(std::adjacent_find(ladder.begin(), ladder.end()), ladder.end()) << "no candidate twice";
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
