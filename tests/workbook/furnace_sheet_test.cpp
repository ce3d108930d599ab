// The Furnace sheet under the sample project: its shape, the figures of the sample (exact: the
// sheet has no circle), and its heating, cooling and report rules case by case.
#include <gtest/gtest.h>

#include <string>

#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

constexpr int kSheet = kFurnaceSheet;

class FurnaceTest : public ConventionalSheetsTest {};

TEST_F(FurnaceTest, HoldsItsFormulasInItsUsedRangeAndNoCircle) {
  // With the 66 cells in AX:AY that count the load left unmet.
  EXPECT_EQ(sheet::format_a1_range(book.used_range(kSheet - 1).value()), "A1:AZ47");
  EXPECT_EQ(formula_count(kSheet), 1231u + 66u);
  settle();
  for (const sheet::GroupReport& g : book.last_recalc().groups)
    EXPECT_NE(g.first_cell.sheet, kSheet - 1);
}

TEST_F(FurnaceTest, SampleReproducesTheAnnualFigures) {
  settle();
  for (const Figure& f : kFurnaceFigures)
    EXPECT_NEAR(number(kSheet, f.cell), f.value, f.tolerance) << f.cell;
}

TEST_F(FurnaceTest, TwoStageFurnaceAt17FRunsAtLowFire) {
  settle();
  const Figure row17[] = {
      {"Y30", 138, 0},         {"Z30", -49610.6, 0.05}, {"E30", 0.6759, 5e-5},
      {"F30", 0.90722, 5e-6},  {"G30", 0.70108, 5e-6},  {"H30", 0, 0},
      {"I30", 75.46, 5e-3},    {"J30", 49.21, 5e-3},    {"AB30", 73398, 1e-9},
      {"AC30", 0.70108, 5e-6},
  };
  for (const Figure& f : row17) EXPECT_NEAR(number(kSheet, f.cell), f.value, f.tolerance) << f.cell;
}

TEST_F(FurnaceTest, CoolingBinsAtACoilFiveDegreesHotter) {
  settle();
  // The text cuts rather than rounds M16 (43,562.8466).
  const Figure bins[] = {
      {"M44", 0.97, 0},         {"K14", 43914.0825, 5e-5}, {"G14", 1, 0},
      {"Z14", 47937.98, 0.005}, {"K16", 47001.1075, 5e-5}, {"Z16", 33248.06, 0.005},
      {"M16", 43562.846, 1e-3}, {"G16", 0.7632, 5e-5},
  };
  for (const Figure& f : bins) EXPECT_NEAR(number(kSheet, f.cell), f.value, f.tolerance) << f.cell;
  // A single-stage air conditioner runs on M and P whatever its low-stage cells hold.
  EXPECT_NEAR(number(kSheet, "R16"), number(kSheet, "G16") * 346 * number(kSheet, "P16"), 1e-9);
  EXPECT_EQ(number(kSheet, "AD16"), number(kSheet, "K16"));
}

TEST_F(FurnaceTest, BlowerPower) {
  struct Case {
    const char* name;
    double ac_capacity, furnace_input, icm, two_stage, low_cfm;
    double high_kw, low_kw;
  };
  const Case cases[] = {
      {"ICM, two-stage", 47500, 120000, 1, 1, 0.605, 0.57, 0.57 * 0.605 * 0.605},
      {"PSC, two-stage", 47500, 120000, 0, 1, 0.605, 0.6333333333333333,
       0.6333333333333333 * 0.605},
      {"PSC, no air conditioner", 0, 100000, 0, 0, 0.605, 0.75, 0},
  };
  for (const Case& c : cases) {
    set(kSheet, "B23", c.ac_capacity);
    set(kSheet, "B8", c.furnace_input);
    set(kSheet, "C13", c.icm);
    set(kSheet, "C12", c.two_stage);
    set(kSheet, "C10", c.low_cfm);
    settle();
    EXPECT_NEAR(number(kSheet, "B30"), c.high_kw, 1e-12) << c.name;
    EXPECT_NEAR(number(kSheet, "C30"), c.low_kw, 1e-12) << c.name;
  }
}

TEST_F(FurnaceTest, ElectricFurnaceCountsKilowattHoursAsItsFuel) {
  set(kSheet, "B14", 4);
  set(kSheet, "B15", 3413);
  settle();
  for (int row = 11; row <= 40; ++row) EXPECT_EQ(number(kSheet, cell("J", row)), 0) << row;
  EXPECT_NEAR(number(kSheet, "I30"), 138 * number(kSheet, "G30") * 78000 / 3413, 1e-9);
  EXPECT_EQ(number(kSheet, "B39"), 0.10);
  EXPECT_EQ(number(kSheet, "B40"), 0.07);
  EXPECT_EQ(number(kSheet, "B41"), 0.07);
}

TEST_F(FurnaceTest, TwoStageAirConditionerBlendsItsStages) {
  set(kSheet, "C24", 0.6);
  set(kSheet, "C25", 1);
  set(kSheet, "C26", 12.5);
  set(kSheet, "C27", 0.95);
  set(kSheet, "C28", 1.07);
  settle();
  // 77 F: the low stage cycles; 107 F: the load exceeds the high stage.
  EXPECT_LT(number(kSheet, "G18"), 1);
  EXPECT_NEAR(number(kSheet, "R18"), number(kSheet, "G18") * 731 * number(kSheet, "Q18"), 1e-9);
  EXPECT_EQ(number(kSheet, "AD18"), number(kSheet, "L18"));
  EXPECT_GT(number(kSheet, "Z12"), number(kSheet, "K12"));
  EXPECT_NEAR(number(kSheet, "R12"), number(kSheet, "G12") * 1 * number(kSheet, "P12"), 1e-9);
  EXPECT_EQ(number(kSheet, "AD12"), number(kSheet, "K12"));
}

TEST_F(FurnaceTest, ReportNamesTheFirstColumnOfTheFurnace) {
  set_text(kLoadsSheet, "B30", "Gas furnace with 13 SEER A/C");
  set_text(kLoadsSheet, "B32", "Second furnace");
  settle();
  EXPECT_EQ(text(kSheet, "AC6"), "Gas furnace with 13 SEER A/C");
  EXPECT_EQ(text(kSheet, "AQ6"), "Gas furnace with 13 SEER A/C");
  set(kLoadsSheet, "A30", 1);
  set(kLoadsSheet, "A32", 4);
  settle();
  EXPECT_EQ(text(kSheet, "AC6"), "Second furnace");
  set(kLoadsSheet, "A32", 3);
  settle();
  EXPECT_EQ(text(kSheet, "AC6"), "0");
}

}  // namespace
}  // namespace pellavan::workbook::testing
