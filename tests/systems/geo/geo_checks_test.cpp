// The geothermal validation table on stored blocks: the bounds that the metric display shares
// with the imperial one, and the quantity's one bound.
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
    {"a 15 m bore (49 ft)", true, [](ProjectRec& r) { r.GeoA_BoreLength = 49; }, "Vert 1", ""},
    {"a 48 ft bore", true, [](ProjectRec& r) { r.GeoA_BoreLength = 48; }, "Vert 1",
     "Bore/Trench Outside of Valid Range of 15 - 6096"},
    {"loop 20 to 105 F in C", true,
     [](ProjectRec& r) {
       r.GeoA_AutoSize = 1;
       r.GeoA_LoopMinTemp = 20;
       r.GeoA_LoopMaxTemp = 105;
     },
     "Vert 1", ""},
    {"loop minimum 19 F in C", true,
     [](ProjectRec& r) {
       r.GeoA_AutoSize = 1;
       r.GeoA_LoopMinTemp = 19;
     },
     "Vert 1", "Minimum Loop Temp Outside of Valid Range of -6 - 10"},
    {"loop maximum 106 F in C", true,
     [](ProjectRec& r) {
       r.GeoA_AutoSize = 1;
       r.GeoA_LoopMaxTemp = 106;
     },
     "Vert 1", "Maximum Loop Temp Outside of Valid Range of 29 - 40"},
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
    const auto refusal = model::first_refusal(geo_checks(), values, units);
    EXPECT_EQ(refusal ? refusal->text : std::string(), c.refusal);
  }
}

TEST(GeoChecksTest, GeoARoundsTheMetricDepthAndGeoBDoesNot) {
  ProjectRec r{};
  r.GeoA_Tons = r.GeoB_Tons = model::Currency::from_double_saturated(3);
  r.GeoA_Depth = r.GeoB_Depth = model::Currency::from_double_saturated(76.04 / 0.3048);
  r.GeoA_BoreLength = r.GeoB_BoreLength = 500;
  r.GeoA_AuxInput = r.GeoB_AuxInput = 100000;
  model::UnitOptions units;
  units.metric = true;
  const GeoCheckValues a(kGeoABlock, r, "Vert 1", "Electric", 0, 0);
  const GeoCheckValues b(kGeoBBlock, r, "Vert 1", "Electric", 0, 0);
  EXPECT_FALSE(model::first_refusal(geo_checks(), a, units));
  const auto refusal = model::first_refusal(geo_checks(), b, units);
  ASSERT_TRUE(refusal);
  EXPECT_EQ(refusal->text, "Average Depth Outside of Valid Vertical Range of 8 - 76");
}

}  // namespace
}  // namespace pellavan::geo
