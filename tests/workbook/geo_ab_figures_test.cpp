// The Geo A and Geo B sheets' sample project, recalculated: the figures the worked example gives.
// Cells that do not iterate must match to the digits given; the others are those the iteration
// settles, and are held to the digits given as well, well inside its change limit of 5.
#include <gtest/gtest.h>

#include <cmath>

#include "geo_ab_book.h"

namespace pellavan::workbook::geo_test {
namespace {

class GeoFiguresTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sample_ = new GeoBook;
    sample_->recalc();
  }
  static void TearDownTestSuite() {
    delete sample_;
    sample_ = nullptr;
  }
  static GeoBook* sample_;
};

GeoBook* GeoFiguresTest::sample_ = nullptr;

struct Figure {
  const char* name;
  int sheet;
  std::string cell;
  double expected;
  double tolerance;  // half a unit of the last digit given
};

void expect_figures(const GeoBook& g, std::initializer_list<Figure> figures) {
  for (const Figure& f : figures) {
    EXPECT_NEAR(g.number(f.sheet, f.cell), f.expected, f.tolerance) << f.cell << " " << f.name;
  }
}

TEST_F(GeoFiguresTest, RecalculatingTheStoredTemplateMovesNothingBeyondTheLimit) {
  GeoBook fresh;
  const double limit = fresh.book().settings().change_limit;
  fresh.recalc();
  EXPECT_TRUE(fresh.book().last_recalc().converged);
  EXPECT_LE(fresh.book().last_recalc().passes, 2);
  for (const char* c : {"H48", "F42", "F43", "AS41", "AT41", "H24"}) {
    EXPECT_NEAR(fresh.number(kGeoASheet, c), GeoBook().number(kGeoASheet, c), limit) << c;
  }
}

TEST_F(GeoFiguresTest, GeoAUnitValuesAndGroundTemperatures) {
  expect_figures(*sample_, {
                               {"two units of 37,900", kGeoASheet, "D6", 75800, 0},
                               {"the second unit's cooling", kGeoASheet, "D12", 57300, 0},
                               {"heating capacity slope", kGeoASheet, "D34", 1285, 0},
                               {"tandem sensible-share slope", kGeoASheet, "D49", 0, 0},
                               {"heating far field at 100 ft", kGeoASheet, "H29", 57.0007, 0.00005},
                               {"heating temperature used", kGeoASheet, "H31", 57.0, 0.05},
                               {"cooling temperature used", kGeoASheet, "H35", 56.999, 0.0005},
                               {"design heating load", kGeoASheet, "H27", 73420.69, 0.005},
                           });
}

TEST_F(GeoFiguresTest, GeoALoopSizing) {
  expect_figures(*sample_, {
                               {"heating length", kGeoASheet, "H45", 1097.4895, 0.00005},
                               {"cooling length", kGeoASheet, "H46", 717.30, 0.005},
                               {"length used", kGeoASheet, "H48", 1097.4895, 0.00005},
                               {"required loop, down to 5 ft", kGeoASheet, "F34", 1095, 0},
                               {"design maximum source", kGeoASheet, "F42", 80.10, 0.005},
                               // the bins the heat pump carries below the design load's
                               {"design minimum source", kGeoASheet, "F43", 33.10, 0.005},
                           });
  // F34 follows H45 exactly: the length rounded down to a multiple of 5 ft.
  EXPECT_EQ(sample_->number(kGeoASheet, "F34"),
            std::floor(sample_->number(kGeoASheet, "H45") / 5) * 5);
}

TEST_F(GeoFiguresTest, GeoAYear) {
  expect_figures(*sample_, {
                               {"weather hours", kGeoASheet, "BB41", 8752, 0},
                               {"cooling run hours", kGeoASheet, "AU41", 1235.6, 0.05},
                               {"heating run hours", kGeoASheet, "AV41", 2509.556, 0.005},
                               {"heating kWh", kGeoASheet, "AG41", 6971, 0.5},
                               {"average cooling source", kGeoASheet, "AS41", 67.46, 0.005},
                               {"average heating source", kGeoASheet, "AT41", 48.47, 0.005},
                               {"heating cost", kGeoASheet, "H12", 487.97, 0.005},
                               {"heat pump's heating cost", kGeoASheet, "H9", 488, 0.5},
                               {"auxiliary cost", kGeoASheet, "BJ41", 0, 0},
                               {"cooling cost", kGeoASheet, "H16", 262.24, 0.005},
                               {"hot-water cost", kGeoASheet, "H22", 552.67, 0.005},
                               {"fan cost", kGeoASheet, "H23", 0, 0},
                               {"total", kGeoASheet, "H24", 1302.89, 0.005},
                           });
  // Stored in the project record rounded to four decimals, the heating cost is 487.972.
  EXPECT_EQ(std::round(sample_->number(kGeoASheet, "H12") * 1000) / 1000, 487.972);
}

TEST_F(GeoFiguresTest, GeoABinRows) {
  // The 107 F bin: cooling above capacity on the tandem's ducted unit.
  expect_figures(*sample_,
                 {
                     {"source", kGeoASheet, bin_cell("BE", 107), 80.10, 0.005},
                     {"high capacity", kGeoASheet, bin_cell("R", 107), 50376, 0.5},
                     {"average capacity", kGeoASheet, bin_cell("W", 107), 50376, 0.5},
                     {"space capacity", kGeoASheet, bin_cell("BF", 107), 50376, 0.5},
                     {"low capacity", kGeoASheet, bin_cell("T", 107), 37384, 0.5},
                     {"high share before limits", kGeoASheet, bin_cell("U", 107), 1.94, 0.005},
                     {"high share", kGeoASheet, bin_cell("V", 107), 1, 0},
                     {"run time", kGeoASheet, bin_cell("BH", 107), 1, 0},
                     {"compressor", kGeoASheet, bin_cell("AC", 107), 3.095, 0.0005},
                     {"unit kWh", kGeoASheet, bin_cell("AH", 107), 3.315, 0.0005},
                     {"cooling pump", kGeoASheet, "F47", 0.22, 0},
                     {"loop heat", kGeoASheet, bin_cell("O", 107), 61689.68, 1.0},
                 });
  EXPECT_NEAR(sample_->number(kGeoASheet, bin_cell("Q", 107)),
              sample_->number(kGeoASheet, "H35") +
                  sample_->number(kGeoASheet, bin_cell("O", 107)) /
                      (sample_->number(kGeoASheet, "H48") * sample_->number(kGeoASheet, "F10")) -
                  5,
              1e-6);
  // The -3 F bin, above the override boiler's first stage: the heat pump carries the whole bin,
  // its stages shared to the load, and the boiler stays off.
  expect_figures(*sample_, {
                               {"heating load", kGeoASheet, bin_cell("BC", -3), -74225.99, 0.005},
                               {"boiler run time", kGeoASheet, bin_cell("AP", -3), 0, 0},
                               {"source", kGeoASheet, bin_cell("BE", -3), 34.76, 0.005},
                               {"capacity", kGeoASheet, bin_cell("BF", -3), 74225.99, 0.005},
                               {"generator", kGeoASheet, bin_cell("BG", -3), 0, 0},
                               {"unit run time", kGeoASheet, bin_cell("BH", -3), 1, 0},
                               {"auxiliary heat", kGeoASheet, bin_cell("AJ", -3), 0, 0},
                               {"unit kWh", kGeoASheet, bin_cell("AH", -3), 64.204, 0.0005},
                               {"loop temperature", kGeoASheet, bin_cell("Q", -3), 34.76, 0.005},
                           });
  // The largest capacity of the bin graph is the -8 F bin's, 23.38 kW: the override appliance,
  // electric and so of no size of its own, adds the rest of the bin's 23.55 kW while the unit runs.
  double largest = 0;
  for (int t = 112; t >= -33; t -= 5)
    largest = std::max(largest, sample_->number(kGeoASheet, bin_cell("BF", t)));
  EXPECT_NEAR(largest / 3413, 23.38, 0.005);
}

TEST_F(GeoFiguresTest, GeoBLoopAndYear) {
  expect_figures(*sample_, {
                               {"required loop", kGeoBSheet, "F34", 690, 0},
                               {"average cooling source", kGeoBSheet, "AS41", 77.05, 0.005},
                               {"average heating source", kGeoBSheet, "AT41", 43.39, 0.005},
                               {"heating cost", kGeoBSheet, "H12", 585.58, 0.005},
                               {"cooling cost", kGeoBSheet, "H16", 299.49, 0.005},
                               {"hot-water cost", kGeoBSheet, "H22", 552.67, 0.005},
                               {"fan cost", kGeoBSheet, "H23", 0, 0},
                               {"total", kGeoBSheet, "H24", 1437.75, 0.005},
                               {"electricity costs", kGeoBSheet, "G4", 791.78, 0.005},
                           });
}

TEST_F(GeoFiguresTest, NoResultIsAnErrorButTheGeneratorsCop) {
  // Without the hot-water generator no kWh is charged to hot water, so its COP H19 divides by 0.
  for (const int s : {kGeoASheet, kGeoBSheet}) {
    const auto used = sample_->book().used_range(s - 1);
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::CellPos pos{s - 1, r, c};
        if (sample_->book().cell_kind(pos) != sheet::CellKind::kFormula) continue;
        const std::string name = sheet::format_a1(r, c);
        const sheet::Value v = sample_->book().cell_value(pos);
        if (v.is_number()) {
          EXPECT_TRUE(std::isfinite(v.as_number())) << s << " " << name;
        }
        EXPECT_EQ(v.is_error(), name == "H19") << "sheet " << s << " " << name;
      }
  }
}

}  // namespace
}  // namespace pellavan::workbook::geo_test

namespace pellavan::workbook::geo_test {
namespace {

// A fill that leaves the loop group in errors (a U value of 0 divides by zero everywhere) must
// not poison the next: the group's error cells restart from their safe seeds.
TEST(GeoRecoveryTest, AFillAfterErrorsSettlesAgain) {
  GeoBook g;
  g.set(kGeoASheet, "F10", "0");
  g.recalc();
  ASSERT_EQ(g.text(kGeoASheet, "F42"), "#DIV/0!");
  g.set(kGeoASheet, "F10", "2");
  g.recalc();
  const GeoBook sample;
  EXPECT_EQ(g.number(kGeoASheet, "F34"), 1095);
  for (const char* c : {"H48", "F42", "F43", "AS41", "AT41", "H12", "H16", "H24"}) {
    EXPECT_NEAR(g.number(kGeoASheet, c), sample.number(kGeoASheet, c), 0.05) << c;
  }
  EXPECT_NEAR(g.number(kGeoASheet, bin_cell("AP", -3)), 0, 1e-9)
      << "the heat pump carries the -3 F bin again";
}

}  // namespace
}  // namespace pellavan::workbook::geo_test
