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
  Scale_ChartAxis(form.Chartfx1, 0);
  std::vector<std::string> labels;
  for (const AxisTick& t : value_axis_ticks(form.Chartfx1)) labels.push_back(t.label);
  EXPECT_EQ(labels,
            (std::vector<std::string>{"0", "0", "0", "0", "0", "0", "1", "1", "1", "1", "1"}));
}

}  // namespace
}  // namespace pellavan::reports
