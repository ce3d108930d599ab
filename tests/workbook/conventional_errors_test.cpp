// What the Air-to-Air and Furnace sheets do with inputs that divide by zero: error values where
// the sheet does not guard (the fill reads them back as 0), the sheet's defaults where it does,
// and never a number that is not finite.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

class ConventionalErrorsTest : public ConventionalSheetsTest {
 protected:
  // Cells of the 29 sheets holding a number that is not finite.
  int non_finite_numbers() const {
    int found = 0;
    for (int s = 0; s < book.sheet_count(); ++s) {
      const auto used = book.used_range(s);
      if (!used) continue;
      for (int r = used->first_row; r <= used->last_row; ++r) {
        for (int c = used->first_col; c <= used->last_col; ++c) {
          const sheet::Value v = book.cell_value({s, r, c});
          if (v.is_number() && !std::isfinite(v.as_number())) {
            ADD_FAILURE() << book.sheet(s).name() << "!" << sheet::format_a1(r, c);
            ++found;
          }
        }
      }
    }
    return found;
  }
};

TEST_F(ConventionalErrorsTest, SampleResultsAreNumbers) {
  settle();
  // The cells other sheets read.
  const char* air_to_air[] = {"B17", "C4",  "C17", "B33",  "B34",  "B35",  "B36",  "B37",  "C33",
                              "C34", "C35", "C36", "C37",  "K43",  "K44",  "K45",  "K46",  "D43",
                              "D44", "D46", "D47", "F44",  "F45",  "F46",  "F47",  "F49",  "H44",
                              "G41", "H41", "V41", "AD41", "AE41", "AF41", "AG41", "AH41", "AS41",
                              "F48", "H45", "H47", "AT41", "H48",  "AN24", "AP14"};
  const char* furnace[] = {"B21", "C8",  "C21",  "B31",  "C23",  "C31", "M44", "M45",  "D37", "D38",
                           "D40", "D41", "E44",  "G44",  "E45",  "I41", "J41", "R41",  "S41", "T41",
                           "U41", "V41", "AF41", "AG41", "AH41", "J43", "J44", "AB30", "AD16"};
  for (const char* c : air_to_air)
    EXPECT_TRUE(value(kAirToAirSheet, c).is_number()) << "Air-to-Air!" << c;
  for (const char* c : furnace) EXPECT_TRUE(value(kFurnaceSheet, c).is_number()) << "Furnace!" << c;
  EXPECT_EQ(non_finite_numbers(), 0);
}

// A furnace record that was not found leaves an efficiency of 0.
TEST_F(ConventionalErrorsTest, FurnaceWithoutEfficiencyGivesErrorValues) {
  set(kFurnaceSheet, "B12", 0);
  settle();
  EXPECT_EQ(non_finite_numbers(), 0);
  for (const char* c :
       {"E30", "F30", "G30", "I30", "J30", "AB30", "I41", "J41", "U41", "E44", "AF41", "J44"}) {
    EXPECT_TRUE(value(kFurnaceSheet, c).is_error()) << c;
  }
  // The cooling bins do not depend on it, but the sums over all bins (the A/C's kWh multiply
  // the run time of every bin) carry the heating bins' errors.
  EXPECT_NEAR(number(kFurnaceSheet, "G16"), 0.7632, 5e-5);
  EXPECT_TRUE(value(kFurnaceSheet, "R30").is_error());
  EXPECT_TRUE(value(kFurnaceSheet, "AG41").is_error());
}

TEST_F(ConventionalErrorsTest, BackupWithoutEfficiencyIsCaughtByTheSheetsGuards) {
  set(kAirToAirSheet, "B8", 0);
  settle();
  EXPECT_EQ(non_finite_numbers(), 0);
  for (int row = 11; row <= 40; ++row) {
    const std::string r = std::to_string(row);
    EXPECT_TRUE(value(kAirToAirSheet, "K" + r).is_error()) << row;
    EXPECT_EQ(number(kAirToAirSheet, "N" + r), 1) << row;  // ISERROR(K): the heat pump runs the bin
    EXPECT_EQ(number(kAirToAirSheet, "E" + r), 0) << row;  // a backup without output adds nothing
  }
  EXPECT_EQ(number(kAirToAirSheet, "G41"), 0);
  EXPECT_EQ(number(kAirToAirSheet, "F47"), 0);  // ISERROR: no backup efficiency without fuel
  EXPECT_TRUE(value(kAirToAirSheet, "F48").is_error());
  // N is 1 in the cooling bins too: the heat pump is taken to cool the whole of every hour.
  EXPECT_NEAR(number(kAirToAirSheet, "AH41"), 1878, 1e-9);
}

TEST_F(ConventionalErrorsTest, WaterHeaterWithoutEfficiencyLeavesSpaceConditioningAlone) {
  set(kFurnaceSheet, "B35", 0);
  set(kAirToAirSheet, "B41", 0);
  settle();
  EXPECT_EQ(non_finite_numbers(), 0);
  EXPECT_TRUE(value(kFurnaceSheet, "AH41").is_error());
  EXPECT_TRUE(value(kAirToAirSheet, "AT41").is_error());
  EXPECT_NEAR(number(kFurnaceSheet, "AF41"), 1210.5188, 5e-5);
  EXPECT_NEAR(number(kAirToAirSheet, "F48"), 796.81, 0.005);
}

}  // namespace
}  // namespace pellavan::workbook::testing
