// The metric copies of the Geo A and Geo B bin reports follow the keep-F and keep-Btu/h switches
// of Loads (B37, B38), which are tested as "=1" so that an empty cell converts.
#include <gtest/gtest.h>

#include <string>

#include "geo_ab_book.h"

namespace pellavan::workbook::geo_test {
namespace {

struct Switches {
  const char* name;
  const char* keep_f;
  const char* keep_btuh;
};

TEST(GeoMetricReportTest, TemperatureAndHeatUnitsFollowTheSwitches) {
  for (const Switches& sw : {Switches{"convert both", "", ""}, Switches{"keep F", "1", ""},
                             Switches{"keep Btu/h", "", "1"}, Switches{"keep both", "1", "1"}}) {
    SCOPED_TRACE(sw.name);
    GeoBook g;
    g.set(kLoadsSheet, "B37", sw.keep_f);
    g.set(kLoadsSheet, "B38", sw.keep_btuh);
    g.recalc();
    const bool f = *sw.keep_f != '\0';
    const bool btuh = *sw.keep_btuh != '\0';
    for (const int s : {kGeoASheet, kGeoBSheet}) {
      SCOPED_TRACE(s);
      EXPECT_EQ(g.text(s, "BO10"), f ? "Deg F" : "Deg C");
      EXPECT_EQ(g.text(s, "BS10"), f ? "Deg F" : "Deg C");
      EXPECT_EQ(g.text(s, "BQ10"), btuh ? "kBtuh" : "kW");
      EXPECT_EQ(g.text(s, "BU10"), btuh ? "kBtuh" : "kW");
      EXPECT_NEAR(g.number(s, "BO11"), f ? 112 : (112 - 32) / 1.8, 1e-12);
      // The 32 F bin shows 32, or the text "0.0" in Celsius.
      if (f) {
        EXPECT_EQ(g.number(s, "BO27"), 32);
      } else {
        EXPECT_EQ(g.text(s, "BO27"), "0.0");
      }
      const double source = g.number(s, bin_cell("BE", 77));
      EXPECT_NEAR(g.number(s, bin_cell("BS", 77)), f ? source : (source - 32) / 1.8, 1e-12);
      EXPECT_EQ(g.number(s, bin_cell("BS", 112)), 0) << "a bin without a source stays 0";
      const double load = g.number(s, bin_cell("BC", 2));
      EXPECT_NEAR(g.number(s, bin_cell("BQ", 2)), btuh ? load / 1000 : load / 3413, 1e-12);
      const double capacity = g.number(s, bin_cell("BF", 2));
      EXPECT_NEAR(g.number(s, bin_cell("BT", 2)), btuh ? capacity / 1000 : capacity / 3413, 1e-12);
      // Hours, run time and costs are copied unconverted.
      EXPECT_EQ(g.number(s, bin_cell("BV", 37)), g.number(s, bin_cell("BH", 37)));
      EXPECT_EQ(g.number(s, "BW41"), g.number(s, "BI41"));
    }
  }
}

TEST(GeoMetricReportTest, HeadingsAndCurrencyLabel) {
  GeoBook g;
  g.set(kLoadsSheet, "B39", "EUR");
  g.recalc();
  for (const int s : {kGeoASheet, kGeoBSheet}) {
    for (const char* head : {"BW10", "BX10", "BY10", "BV41"})
      EXPECT_EQ(g.text(s, head), "EUR") << s << " " << head;
  }
  // The water heater's type text begins "Geo": Geo A heads the hot-water cost so; Geo B never.
  EXPECT_EQ(g.text(kGeoASheet, "BK8"), "Geo F.T.");
  EXPECT_EQ(g.text(kGeoASheet, "BY8"), "Geo F.T.");
  EXPECT_EQ(g.text(kGeoBSheet, "BK8"), "Aux");
  EXPECT_EQ(g.text(kGeoBSheet, "BY8"), "Aux");
  // Each sheet shows the description of the first comparison column holding its system.
  EXPECT_EQ(g.text(kGeoASheet, "BF6"), g.text(kLoadsSheet, "B31"));
  EXPECT_EQ(g.text(kGeoBSheet, "BF6"), g.text(kLoadsSheet, "B32"));
  g.set(kLoadsSheet, "A32", "3");
  g.recalc();
  EXPECT_EQ(g.text(kGeoBSheet, "BF6"), "0");
}

}  // namespace
}  // namespace pellavan::workbook::geo_test
