// The value-axis labels of the graphs and the axis titles of the charts window by the unit
// options, without a display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/charts/chart_scale.h"
#include "reports/charts/charts_window.h"
#include "reports/charts/value_labels.h"

namespace pellavan::reports {
namespace {

TEST(ChartLabelsTest, LabelsAreWholeNumbersHalvesToEvenWithSeparators) {
  struct Row {
    const char* label;
    const char* format;
    const char* shown;
  };
  constexpr Row rows[] = {
      {"2.5", "#,###0", "2"},
      {"3.5", "#,###0", "4"},
      {"0.3", "#,###0", "0"},
      {"12345", "#,###0", "12,345"},
      {"12345", "$#,###0", "$12,345"},
      {"-12345.5", "#,###0", "-12,346"},
      {"-1234", "$#,###0", "-$1,234"},
      {"-0.4", "#,###0", "0"},
      {"1100000", "#,###0", "1,100,000"},
      {"not a number", "#,###0", "0"},
  };
  for (const Row& r : rows)
    EXPECT_EQ(whole_number_label(r.label, r.format), r.shown) << r.label << " in " << r.format;
}

struct Units {
  const char* name;
  bool metric, keep_f, keep_btuh;
  const char* bin_value_title;
  const char* bin_category_title;
  const char* comparison_title;
  const char* comparison_label;  // of 12,345
};

constexpr Units kUnits[] = {
    {"imperial", false, false, false, "Btu/hr", "Outdoor Temperature Deg F", "", "$12,345"},
    {"imperial, keep flags ignored", false, true, true, "Btu/hr", "Outdoor Temperature Deg F", "",
     "$12,345"},
    {"metric", true, false, false, "kW", "Outdoor Temperature Deg C", "EUR   ", "12,345"},
    {"metric keeping F", true, true, false, "kW", "Outdoor Temperature Deg F", "EUR   ", "12,345"},
    {"metric keeping Btu/h", true, false, true, "kBtuh", "Outdoor Temperature Deg C", "EUR   ",
     "12,345"},
    {"metric keeping both", true, true, true, "kBtuh", "Outdoor Temperature Deg F", "EUR   ",
     "12,345"},
};

TEST(ChartLabelsTest, AxisTitlesAndLabelsFollowTheUnitOptionsAtEveryLabel) {
  model::ModelState model;
  model.CurrencyLabel = "EUR";
  ChartsWindow form(model);
  for (const Units& u : kUnits) {
    SCOPED_TRACE(u.name);
    model.MetricFlag(model::kMetricDisplay) = u.metric ? -1 : 0;
    model.MetricFlag(model::kKeepFahrenheit) = u.keep_f ? -1 : 0;
    model.MetricFlag(model::kKeepBtuh) = u.keep_btuh ? -1 : 0;
    EXPECT_EQ(form.Chartfx1.value_label(12345), "12,345");
    EXPECT_EQ(form.Chartfx1.axis_caption(kValueAxis), u.bin_value_title);
    EXPECT_EQ(form.Chartfx1.axis_caption(kCategoryAxis), u.bin_category_title);
    EXPECT_EQ(form.Chartfx2.value_label(12345), u.comparison_label);
    EXPECT_EQ(form.Chartfx2.axis_caption(kValueAxis), u.comparison_title);
  }
}

TEST(ChartLabelsTest, OtherLabelKindsAreBlankedAndHandled) {
  model::ModelState model;
  ChartsWindow form(model);
  for (Chart* chart : {&form.Chartfx1, &form.Chartfx2}) {
    chart->Chart_LabelString = "-33";
    std::int16_t result = 0;
    chart->LabelRequest(2, result);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(chart->Chart_LabelString, "");
  }
}

TEST(ChartLabelsTest, AnIntervalBelowOneShowsWholeNumbersOnly) {
  model::ModelState model;
  ChartsWindow form(model);
  form.Chartfx1.Chart_ScaleLimit(kScaleMax, 1);
  form.Chartfx1.Chart_ScaleLimit(kScaleInterval, 0.25);
  std::vector<std::string> labels;
  for (const AxisTick& t : value_axis_ticks(form.Chartfx1)) labels.push_back(t.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"0", "0", "0", "1", "1"}));
}

// What a reader counts by: every label of a scaled axis a whole number one round step above the
// one below it, none twice.
TEST(ChartLabelsTest, AScaledAxisIsLabelledInEvenSteps) {
  struct Row {
    const char* name;
    std::int32_t chart_max;
    bool metric;
    std::vector<std::string> labels;
  };
  const Row rows[] = {
      {"empty graph", 0, false, {"0", "1"}},
      {"metric bin graph of the sample, kW", 24, true, {"0", "5", "10", "15", "20", "25"}},
      {"bin graph of the sample's Geo A",
       81'000,
       false,
       {"0", "10,000", "20,000", "30,000", "40,000", "50,000", "60,000", "70,000", "80,000",
        "90,000"}},
  };
  model::ModelState model;
  ChartsWindow form(model);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    model.MetricFlag(model::kMetricDisplay) = r.metric ? -1 : 0;
    Scale_ChartAxis(form.Chartfx1, r.chart_max);
    std::vector<std::string> labels;
    for (const AxisTick& t : value_axis_ticks(form.Chartfx1)) labels.push_back(t.label);
    EXPECT_EQ(labels, r.labels);
  }
  // The comparison graph's dollars, for every maximum up to 100,000.
  for (std::int32_t chart_max = 0; chart_max <= 100'000; chart_max += 7) {
    Scale_ChartAxis(form.Chartfx2, chart_max);
    const std::vector<AxisTick> ticks = value_axis_ticks(form.Chartfx2);
    ASSERT_GE(ticks.size(), 2u) << chart_max;
    const auto amount = [](const std::string& label) {
      std::string digits;
      for (const char c : label)
        if (c >= '0' && c <= '9') digits += c;
      return std::stod(digits);
    };
    const double step = amount(ticks[1].label) - amount(ticks[0].label);
    for (std::size_t i = 0; i < ticks.size(); ++i)
      EXPECT_EQ(amount(ticks[i].label), step * static_cast<double>(i))
          << chart_max << ": " << ticks[i].label;
    EXPECT_GE(amount(ticks.back().label), chart_max);
  }
}

}  // namespace
}  // namespace pellavan::reports
