// Calc_Loads: the building-load workbook driven from the project record and the city file.
#include <gtest/gtest.h>

#include "load_calc_fixture.h"

namespace pellavan::loads {
namespace {

using testing::LoadCalcTest;

TEST_F(LoadCalcTest, ReproducesTheBuildingLoadWorkedExample) {
  ASSERT_EQ(calc(), LoadCalcStatus::kValid);
  EXPECT_EQ(loads.LoadsInvalid, 0);
  EXPECT_EQ(model.CityRec.Id, 7);
  struct Row {
    const char* name;
    model::Currency value;
    double figure;
    double precision;  // half a unit of the figure's last digit
  };
  const Row rows[] = {
      {"HtgCorr", loads.HtgCorr, 0.7067, 0},  // 0.706667 with four decimals
      {"IntGains", loads.IntGains, 15497.91, 0.005},
      {"BldgBalPt", loads.BldgBalPt, 57.408, 0.0005},
      {"DhwBtuh", loads.DhwBtuh, 2520.69, 0.005},
      {"AnnDhw", loads.AnnDhw, 22.0813, 0},  // 22.08127
      {"AnnHtg", loads.AnnHtg, 102.535, 0.0005},
      {"AnnClg", loads.AnnClg, 49.463, 0.0005},
      {"CdHigh", loads.CdHigh, 0.83, 0},
      {"CdLow", loads.CdLow, 0.46, 0},
      {"BinNetLoad(2)", loads.BinNetLoad(2), 62701.25, 0.005},
      {"BinNetLoad(8)", loads.BinNetLoad(8), 18448.1, 0.05},
      {"BinNetLoad(9)", loads.BinNetLoad(9), 0, 0},
      {"BinNetLoad(12)", loads.BinNetLoad(12), -502.09, 0.005},
      {"BinNetLoad(25)", loads.BinNetLoad(25), -80502.08,
       0.01},  // -80502.0895, which the worked example shows cut
      {"BinNetLoad(30)", loads.BinNetLoad(30), 0, 0},
      {"BinDhwLoad(2)", loads.BinDhwLoad(2), 2520.69, 0.005},
      {"BinDhwLoad(26)", loads.BinDhwLoad(26), 0, 0},
  };
  for (const Row& r : rows)
    EXPECT_NEAR(r.value.to_double(), r.figure, r.precision + 1e-12) << r.name;
  EXPECT_EQ(loads.GainsWhole, 15498);
  EXPECT_EQ(loads.BalPtWhole, 57);
  EXPECT_EQ(loads.HtgDesignTemp, 6);
}

TEST_F(LoadCalcTest, WritesTheInputsIntoTheirCells) {
  model.ProjectRec.Loads_DhwTemp = 120;
  calc();
  struct Row {
    const char* cell;
    const char* text;
  };
  const Row rows[] = {{"B2", "St. Louis"}, {"B3", "6"},  {"B6", "0.83"}, {"B9", "24.4"},
                      {"B10", "34"},       {"D3", "1"},  {"D26", "1"},   {"A17", "80000"},
                      {"A21", "120"},      {"A22", "4"}, {"A24", "70"},  {"A31", "3"},
                      {"K34", "8"}};
  for (const Row& r : rows) {
    const auto pos = *sheet::parse_a1(r.cell);
    std::string text = control.cell_text(pos.row + 1, pos.col + 1);
    if (std::string_view(r.cell) == "B2") text.erase(text.find_last_not_of(' ') + 1);
    EXPECT_EQ(text, r.text) << r.cell;
  }
  EXPECT_EQ(control.cell_text(2, 2).size(), 40u) << "the city with all its characters";
  // Hot water from 57 F to 120 F for four users: 70 gallons a day.
  EXPECT_NEAR(loads.AnnDhw.to_double(), (120 - 57) * 8.33 * 1.25 * 70 * 365 / 1e6, 5e-5);
}

TEST_F(LoadCalcTest, TheValidityTestFailingMarksTheLoadsInvalid) {
  book.settings().max_passes = 2;  // the gains are still at their seed: B11 reads FALSE
  EXPECT_EQ(calc(), LoadCalcStatus::kInvalid);
  EXPECT_EQ(loads.LoadsInvalid, 1);
  EXPECT_NEAR(loads.IntGains.to_double(), 80000 * (1 - 0.706667) * 0.6, 0.05)
      << "the values read stay";
  book = make_building_load_book();
  EXPECT_EQ(calc(), LoadCalcStatus::kValid);
  EXPECT_EQ(loads.LoadsInvalid, 0);
}

TEST_F(LoadCalcTest, OnlyAValidityCellReadingTrueAcceptsTheLoads) {
  // The validity cell gives an error value (a division by zero): that is no pass either.
  for (const char* formula : {"1/0", "FALSE()"}) {
    control.set_cell_formula(11, 2, formula);
    EXPECT_EQ(calc(), LoadCalcStatus::kInvalid) << formula << ": " << control.cell_text(11, 2);
    EXPECT_EQ(loads.LoadsInvalid, 1);
  }
}

TEST_F(LoadCalcTest, AnUnknownCityIsReportedAndCalculatesFromNothing) {
  model.ProjectRec.Loads_CityId = 999;
  EXPECT_EQ(calc(), LoadCalcStatus::kCityNotFound);
  EXPECT_EQ(loads.LoadsInvalid, 1);
  EXPECT_EQ(model.CityRec.Id, 0) << "no stale city is left in the buffer";
  for (int bin = 1; bin <= 30; ++bin) EXPECT_EQ(loads.BinNetLoad(bin).raw(), 0) << bin;
}

}  // namespace
}  // namespace pellavan::loads
