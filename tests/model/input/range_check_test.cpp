#include <gtest/gtest.h>

#include <map>

#include "model/input/range_check.h"
#include "model/input/range_table_walk.h"

namespace pellavan::model {
namespace {

enum Value { kLoad = 1, kTons, kDepth, kSensible, kWater };
enum Condition { kVertical = 1 };
enum Bound { kSensibleLow = 1, kSensibleHigh = 2 };

// Rows of the kinds the input windows have: bounds per display, an exclusive lower bound, a
// condition, a row of one display only, calculated bounds and a message per display.
constexpr RangeCheck kRows[] = {
    {.name = "load",
     .value = kLoad,
     .quantity = Quantity::Capacity,
     .imperial = {1000, 999999},
     .metric = Range{0, 292},
     .text = "Heating Load Outside of Valid Range of {low} - {high}"},
    {.name = "tons",
     .value = kTons,
     .imperial = {0, 99, true},
     .text = "Tons Outside of Valid Range of .1 - 99"},
    {.name = "vertical depth",
     .value = kDepth,
     .quantity = Quantity::Length,
     .when = kVertical,
     .imperial = {25, 250},
     .metric = Range{8, 76},
     .text = "Average Depth Outside of Valid Vertical Range of 25 - 250",
     .metric_text = "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {.name = "depth in metres",
     .value = kDepth,
     .quantity = Quantity::Length,
     .checked = Checked::InMetricOnly,
     .imperial = {0.6, 76},
     .text = "Average Depth Outside of Valid Range of .6 - 77"},
    {.name = "sensible",
     .value = kSensible,
     .imperial = {.low_from = kSensibleLow, .high_from = kSensibleHigh},
     .text = "Sensible Cooling Outside of Valid Range of {low} to {high}",
     .bounds_shown = BoundText::Grouped,
     .title = "Pellavan",
     .icon = model::MessageIcon::None},
    {.name = "hot water",
     .value = kWater,
     .quantity = Quantity::Temperature,
     .imperial = {120, 136},
     .text = "Hot Water Temp Outside of Valid Range of 120F - 136F",
     .metric_text = "Hot Water Temp Outside of Valid Range of 49C - 58C"},
};

struct Values : CheckValues {
  std::map<int, double> values{
      {kLoad, 50000}, {kTons, 3}, {kDepth, 100}, {kSensible, 30000}, {kWater, 125}};
  bool vertical = true;
  double cooling = 45000;
  std::map<int, double> metric_values{{kLoad, 14.6}, {kDepth, 30}};
  double value(const RangeCheck& row, Display display) const override {
    const auto metric = metric_values.find(row.value);
    return display == Display::Metric && metric != metric_values.end() ? metric->second
                                                                       : values.at(row.value);
  }
  bool holds(const RangeCheck& row) const override { return row.when != kVertical || vertical; }
  double bound(const RangeCheck&, int id, Display) const override {
    return id == kSensibleLow ? cooling * 0.6 : cooling * 0.99;
  }
};

std::string refused(const Values& v, const UnitOptions& units = {}) {
  const auto refusal = first_refusal(kRows, v, units);
  return refusal ? refusal->text : std::string();
}

TEST(RangeCheckTest, EveryRowFiresAtItsBoundsInBothDisplays) {
  testing::expect_every_row_fires({"sample", kRows});
}

TEST(RangeCheckTest, TheFirstFailingRowInTableOrderIsReported) {
  Values v;
  EXPECT_EQ(refused(v), "");
  v.values[kWater] = 119;
  v.values[kTons] = 0;  // an exclusive lower bound
  EXPECT_EQ(refused(v), "Tons Outside of Valid Range of .1 - 99");
  v.values[kTons] = 0.05;
  EXPECT_EQ(refused(v), "Hot Water Temp Outside of Valid Range of 120F - 136F");
}

TEST(RangeCheckTest, BoundsConditionsAndMessagesFollowTheDisplay) {
  const UnitOptions metric{.metric = true};
  struct Case {
    const char* name;
    int value;
    double entry;
    bool vertical;
    UnitOptions units;
    const char* message;
  };
  const Case cases[] = {
      {"Btu/h bounds",
       kLoad,
       999,
       true,
       {},
       "Heating Load Outside of Valid Range of 1000 - 999999"},
      {"kW bounds", kLoad, 292.1, true, metric, "Heating Load Outside of Valid Range of 0 - 292"},
      {"kW upper bound passes", kLoad, 292, true, metric, ""},
      {"condition holds",
       kDepth,
       20,
       true,
       {},
       "Average Depth Outside of Valid Vertical Range of 25 - 250"},
      {"condition fails: general range only", kDepth, 20, false, {}, ""},
      {"metric-only row", kDepth, 80, false, metric,
       "Average Depth Outside of Valid Range of .6 - 77"},
      {"metric message", kWater, 137, true, metric,
       "Hot Water Temp Outside of Valid Range of 49C - 58C"},
      {"calculated bounds, grouped",
       kSensible,
       26999,
       true,
       {},
       "Sensible Cooling Outside of Valid Range of 27,000 to 44,550"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Values v;
    v.values[c.value] = c.entry;
    v.metric_values.erase(c.value);
    v.vertical = c.vertical;
    EXPECT_EQ(refused(v, c.units), c.message);
  }
}

TEST(RangeCheckTest, ARefusalCarriesItsRowForTitleIconAndFocus) {
  Values v;
  v.values[kSensible] = 44551;
  const auto refusal = first_refusal(kRows, v, UnitOptions{});
  ASSERT_TRUE(refusal);
  EXPECT_STREQ(refusal->row->title, "Pellavan");
  EXPECT_EQ(refusal->row->icon, model::MessageIcon::None);
  EXPECT_FALSE(inside(std::nan(""), Range{}));
}

}  // namespace
}  // namespace pellavan::model
