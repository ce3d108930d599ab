// The geothermal validation table on stored blocks: the bounds that the metric display shares
// with the imperial one, the loop temperatures' stated °C ranges, and the quantity's one bound.
#include "systems/geo/geo_checks.h"

#include <gtest/gtest.h>

#include "model/input/unit_options.h"
#include "systems/geo/geo_blocks.h"

namespace pellavan::geo {
namespace {

using model::ProjectRec;

ProjectRec valid_geo_a() {
  ProjectRec r{};
  r.GeoA_Tons = model::Currency::from_double_saturated(3);
  r.GeoA_Depth = model::Currency::from_double_saturated(100);
  r.GeoA_BoreLength = 500;
  r.GeoA_LoopMinTemp = 30;
  r.GeoA_LoopMaxTemp = 95;
  r.GeoA_AuxInput = 100000;
  return r;
}

struct Case {
  const char* what;
  bool metric;
  void (*change)(ProjectRec&);
  const char* loop;
  const char* refusal;  // "" when the block passes
};

const Case kCases[] = {
    {"a quantity below .1", false,
     [](ProjectRec& r) { r.GeoA_Tons = model::Currency::from_double_saturated(0.05); }, "Vert 1",
     "Tons Outside of Valid Range of .1 - 99"},
    {"a quantity of .1", false,
     [](ProjectRec& r) { r.GeoA_Tons = model::Currency::from_double_saturated(0.1); }, "Vert 1",
     ""},
    {"77 m deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(77 / 0.3048); },
     "Pond Loop", ""},
    {"77.2 m deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(77.2 / 0.3048); },
     "Pond Loop", "Average Depth Outside of Valid Range of .6 - 77"},
    {"a vertical loop 25 ft deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(25); }, "Vert 1",
     ""},
    {"a vertical loop 250 ft deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(250); }, "Vert 1",
     ""},
    {"a vertical loop 24.5 ft deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(24.5); }, "Vert 1",
     "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {"a vertical loop 251 ft deep", true,
     [](ProjectRec& r) { r.GeoA_Depth = model::Currency::from_double_saturated(251); }, "Vert 1",
     "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {"a 15 m bore (49 ft)", true, [](ProjectRec& r) { r.GeoA_BoreLength = 49; }, "Vert 1", ""},
    {"a 48 ft bore", true, [](ProjectRec& r) { r.GeoA_BoreLength = 48; }, "Vert 1",
     "Bore/Trench Outside of Valid Range of 15 - 6096"},
    {"12.2 kW below 12.5", true, [](ProjectRec& r) { r.GeoA_AuxInput = 41639; }, "Vert 1",
     "Furnace Input Capacity Below Calculated Minimum of 12.5"},
};

TEST(GeoChecksTest, MetricBoundsAcceptWhatImperialAccepts) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ProjectRec r = valid_geo_a();
    c.change(r);
    model::UnitOptions units;
    units.metric = c.metric;
    const GeoCheckValues values(kGeoABlock, r, c.loop, "Gas Furnace-80", 40000, 12.5);
    const auto refusal = model::first_refusal(geo_checks(kGeoABlock), values, units);
    EXPECT_EQ(refusal ? refusal->text : std::string(), c.refusal);
  }
}

// The loop temperatures at each bound: °C as shown (to the half degree) against the stated range.
TEST(GeoChecksTest, LoopTemperaturesPassExactlyTheStatedRange) {
  struct Bound {
    bool celsius;
    model::Int16 min, max;  // °F stored
    const char* refusal;
  };
  const char* low = "Minimum Loop Temp Outside of Valid Range of 20 - 50";
  const char* high = "Maximum Loop Temp Outside of Valid Range of 85 - 105";
  const char* low_c = "Minimum Loop Temp Outside of Valid Range of -6 - 10";
  const char* high_c = "Maximum Loop Temp Outside of Valid Range of 29 - 40";
  const Bound cases[] = {
      {false, 20, 105, ""},    {false, 19, 95, low},   {false, 51, 95, low},
      {false, 30, 84, high},   {false, 30, 106, high}, {true, 21, 84, ""},  // -6.0 and 29.0
      {true, 50, 104, ""},                                                  // 10.0 and 40.0
      {true, 20, 95, low_c},                                                // -6.5
      {true, 51, 95, low_c},                                                // 10.5
      {true, 30, 83, high_c},                                               // 28.5
      {true, 30, 105, high_c},                                              // 40.5
  };
  for (const Bound& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << " " << c.max << (c.celsius ? " C" : " F"));
    ProjectRec r = valid_geo_a();
    r.GeoA_AutoSize = 1;
    r.GeoA_LoopMinTemp = c.min;
    r.GeoA_LoopMaxTemp = c.max;
    model::UnitOptions units;
    units.metric = c.celsius;
    const GeoCheckValues values(kGeoABlock, r, "Vert 1", "Gas Furnace-80", 40000, 12.5);
    const auto refusal = model::first_refusal(geo_checks(kGeoABlock), values, units);
    EXPECT_EQ(refusal ? refusal->text : std::string(), c.refusal);
  }
}

TEST(GeoChecksTest, GeoARoundsTheMetricDepthAndGeoBDoesNot) {
  ProjectRec r{};
  r.GeoA_Tons = r.GeoB_Tons = model::Currency::from_double_saturated(3);
  r.GeoA_Depth = r.GeoB_Depth = model::Currency::from_double_saturated(76.24 / 0.3048);
  r.GeoA_BoreLength = r.GeoB_BoreLength = 500;
  r.GeoA_AuxInput = r.GeoB_AuxInput = 100000;
  model::UnitOptions units;
  units.metric = true;
  const GeoCheckValues a(kGeoABlock, r, "Vert 1", "Electric", 0, 0);
  const GeoCheckValues b(kGeoBBlock, r, "Vert 1", "Electric", 0, 0);
  EXPECT_FALSE(model::first_refusal(geo_checks(kGeoABlock), a, units));
  const auto refusal = model::first_refusal(geo_checks(kGeoBBlock), b, units);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "Average Depth Outside of Valid Vertical Range of 8 - 76");
}

// kW display: the minimum the window shows (one decimal) is the minimum Run accepts.
TEST(GeoChecksTest, AMinimumShownIsAMinimumAccepted) {
  struct Row {
    double minimum_kw;   // exact, four decimals
    model::Int32 input;  // Btu/h stored from the kW typed
    const char* refusal;
  };
  const char* below = "Furnace Input Capacity Below Calculated Minimum of 41.6";
  const Row rows[] = {
      {41.6349, 141981, ""},     // 41.6 as shown and proposed
      {41.6349, 141640, below},  // 41.5
      {41.6667, 142322, ""},     // 41.7, stored a little below 41.7 kW
      {41.6667, 141981, "Furnace Input Capacity Below Calculated Minimum of 41.7"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.minimum_kw << " " << r.input);
    ProjectRec rec = valid_geo_a();
    rec.GeoA_AuxInput = r.input;
    model::UnitOptions units;
    units.metric = true;
    const GeoCheckValues values(kGeoABlock, rec, "Vert 1", "Gas Furnace-80", 0, r.minimum_kw);
    const auto refusal = model::first_refusal(geo_checks(kGeoABlock), values, units);
    EXPECT_EQ(refusal ? refusal->text : std::string(), r.refusal);
  }
}

}  // namespace
}  // namespace pellavan::geo
