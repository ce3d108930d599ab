// The Air-to-Air sheet under the sample project: its shape, its per-bin circles, the figures of
// the sample, and the rules of its bin model case by case.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

constexpr int kSheet = kAirToAirSheet;

// The circular group whose first cell lies in `row` of the sheet, if the last recalculation had
// one.
std::optional<sheet::GroupReport> group_of_row(const sheet::Book& book, int row) {
  for (const sheet::GroupReport& g : book.last_recalc().groups) {
    if (g.first_cell.sheet == kSheet - 1 && g.first_cell.row == row - 1) return g;
  }
  return std::nullopt;
}

class AirToAirTest : public ConventionalSheetsTest {};

TEST_F(AirToAirTest, HoldsItsFormulasInItsUsedRange) {
  // With the 98 cells in BJ:BL that count the load left unmet.
  EXPECT_EQ(sheet::format_a1_range(book.used_range(kSheet - 1).value()), "A1:BM85");
  EXPECT_EQ(formula_count(kSheet), 1612u + 98u);
  // Below the variable-speed table the temperature column runs on to the coldest bin.
  EXPECT_EQ(book.cell_formula(at(kSheet, "D85")), "D84-5");
  EXPECT_EQ(text(kSheet, "D82"), "-18");
}

TEST_F(AirToAirTest, EachBinRowIsOneCircleOfSevenCells) {
  settle();
  int groups = 0;
  for (const sheet::GroupReport& g : book.last_recalc().groups)
    groups += g.first_cell.sheet == kSheet - 1;
  EXPECT_EQ(groups, 30);
  for (int row = 11; row <= 40; ++row) {
    const auto g = group_of_row(book, row);
    ASSERT_TRUE(g) << "row " << row;
    EXPECT_EQ(g->first_cell.col, 4) << "row " << row;  // column E
    EXPECT_EQ(g->cells, 7u) << "row " << row;
    EXPECT_FALSE(g->counter);
  }
}

// A cell belongs to a row's circle exactly when making it a constant breaks or shrinks the circle.
TEST_F(AirToAirTest, TheCircleIsColumnsEIJKNQS) {
  const std::string members = "E I J K N Q S ";
  for (const char* col :
       {"E", "F", "G", "H", "I", "J", "K", "L",  "M",  "N",  "O",  "P",  "Q",  "R",  "S",
        "T", "U", "V", "W", "X", "Y", "Z", "AA", "AB", "AC", "AD", "AE", "AF", "AG", "AH"}) {
    sheet::Book probe = load_report_template();
    probe.set_cell_value(at(kSheet, cell(col, 30)), sheet::Value::number(0));
    probe.recalc();
    const auto g = group_of_row(probe, 30);
    const bool member = members.find(std::string(col) + " ") != std::string::npos;
    EXPECT_EQ(!g || g->cells < 7, member) << col;
  }
}

TEST_F(AirToAirTest, SampleReproducesTheAnnualFigures) {
  settle();
  for (const Figure& f : kAirToAirFigures)
    EXPECT_NEAR(number(kSheet, f.cell), f.value, f.tolerance) << f.cell;
}

TEST_F(AirToAirTest, OverrideModeAlternatesBackupAndHeatPumpAt17F) {
  settle();
  const double limit = book.settings().change_limit;
  const Figure row17[] = {
      {"AL30", -49610.6, 0.05}, {"O30", 44042, 0.5},   {"Q30", 36869.4, limit},
      {"E30", 34260.2, limit},  {"J30", 0.9031, 5e-5}, {"K30", 0.5837, 5e-5},
      {"N30", 0.4163, 5e-5},    {"M30", 0.849, 1e-12},
  };
  for (const Figure& f : row17) EXPECT_NEAR(number(kSheet, f.cell), f.value, f.tolerance) << f.cell;
  // The settled row: the backup runs K of the hour at low fire, the heat pump the rest.
  EXPECT_NEAR(number(kSheet, "E30"),
              number(kSheet, "K30") * number(kSheet, "J30") * number(kSheet, "C4"), 1e-3);
  EXPECT_NEAR(number(kSheet, "E30") + (1 - number(kSheet, "K30")) * number(kSheet, "Q30"),
              49610.6092, 1e-3);
  // At 2 F the load is beyond the backup's low fire: the backup runs K of the hour at full fire,
  // the heat pump the rest.
  EXPECT_NEAR(number(kSheet, "K33"), 0.6439, 5e-5);
  EXPECT_NEAR(number(kSheet, "E33"),
              number(kSheet, "K33") * number(kSheet, "J33") * number(kSheet, "B4"), 1e-3);
  EXPECT_NEAR(number(kSheet, "E33") + (1 - number(kSheet, "K33")) * number(kSheet, "Q33"),
              68072.1477, 1e-3);
}

TEST_F(AirToAirTest, SupplementModeKeepsTheHeatPumpRunning) {
  set(kSheet, "B16", 0);
  settle();
  for (int row : {30, 31, 32, 33}) {  // 17 F down to 2 F: loads beyond the heat pump
    EXPECT_EQ(number(kSheet, cell("N", row)), 1) << row;
    EXPECT_NEAR(number(kSheet, cell("E", row)),
                -number(kSheet, cell("AL", row)) - number(kSheet, cell("Q", row)), 1e-6)
        << row;
  }
}

TEST_F(AirToAirTest, AtTheCutOffTheBackupCarriesTheLoadUpToItsOutput) {
  struct Case {
    const char* name;
    double fuel_type;
    double input;
    double backup_heat;
  };
  const Case cases[] = {
      {"fuel-fired, large enough", 1, 100000, 49610.6092},
      {"fuel-fired, limited to its output", 1, 40000, 40000 * 0.941},
      {"electric, limited to its output too", 4, 40000, 40000 * 0.941},
  };
  for (const Case& c : cases) {
    set(kSheet, "B20", 17);
    set(kSheet, "B10", c.fuel_type);
    set(kSheet, "B4", c.input);
    settle();
    for (const char* col : {"O", "P", "Q", "N"})
      EXPECT_EQ(number(kSheet, cell(col, 30)), 0) << c.name << " " << col;
    EXPECT_NEAR(number(kSheet, "E30"), c.backup_heat, 1e-6) << c.name;
  }
}

TEST_F(AirToAirTest, DefrostFactorFollowsTheHeatingCoilTemperature) {
  struct Case {
    int row;  // bin row: 24 is 47 F, 26 is 37 F, 27 is 32 F, 33 is 2 F, 34 is -3 F
    double coil_condition;
    double factor;
  };
  const Case cases[] = {
      {24, 0.4, 1},   {24, 1, 0.88},  {24, 1.4, 0.80}, {24, 1.6, 0.783},
      {26, 0, 0.789}, {27, 0, 0.804}, {33, 0.4, 0.9},  {34, 0, 0.9},
  };
  for (const Case& c : cases) {
    set(kSheet, "C26", c.coil_condition);
    settle();
    EXPECT_NEAR(number(kSheet, cell("M", c.row)), c.factor, 1e-12)
        << "row " << c.row << " C26 " << c.coil_condition;
  }
}

TEST_F(AirToAirTest, VariableSpeedFactorsShiftWithTheCoilCondition) {
  struct Case {
    double coil_condition;
    double heating_capacity;  // at 47 F, table column E
    double heating_power;     // at 47 F, table column F
    double cooling_capacity;  // at 87 F, table column I
  };
  const Case cases[] = {
      {0, 1, 1, 1.04}, {0.5, 1.03, 1.085, 1.02}, {1, 1.06, 1.17, 0.99}, {1.5, 1.09, 1.255, 0.96}};
  for (const Case& c : cases) {
    set(kSheet, "C26", c.coil_condition);
    settle();
    const double hp47 = number(kSheet, "B34") * number(kSheet, "K45") * number(kSheet, "M24");
    EXPECT_NEAR(number(kSheet, "O24") / hp47, c.heating_capacity, 1e-12) << c.coil_condition;
    EXPECT_NEAR(number(kSheet, "T24") / (number(kSheet, "B35") * number(kSheet, "K46")),
                c.heating_power, 1e-12)
        << c.coil_condition;
    EXPECT_NEAR(number(kSheet, "W16") / (number(kSheet, "B19") * number(kSheet, "K43")),
                c.cooling_capacity, 1e-12)
        << c.coil_condition;
  }
}

TEST_F(AirToAirTest, VariableSpeedUnitGivesNoHeatBelowTheTable) {
  set(kSheet, "B20", -40);          // no cut-off
  for (int loads_row : {28, 29}) {  // the -18 F and -23 F bins, bin rows 37 and 38
    const std::string row = std::to_string(loads_row);
    set(kLoadsSheet, "D" + row, 5);
    set(kLoadsSheet, "E" + row, -90000);
  }
  settle();
  EXPECT_GT(number(kSheet, "O37"), 0);  // -18 F, the table's last row
  EXPECT_EQ(number(kSheet, "O38"), 0);
  set(kSheet, "C26", 1);
  settle();
  EXPECT_EQ(number(kSheet, "O37"), 0);
}

TEST_F(AirToAirTest, SingleSpeedUnitFollowsTheLineThroughItsRatings) {
  set(kSheet, "C52", 0);
  set(kSheet, "C22", 0);
  settle();
  // At 47 F (no defrost loss) the line gives the 47 F rating, at 17 F it also loses to defrost.
  EXPECT_NEAR(number(kSheet, "O24"), number(kSheet, "B34") * number(kSheet, "K45"), 1e-9);
  EXPECT_NEAR(number(kSheet, "O30"), number(kSheet, "B36") * number(kSheet, "K45") * 0.849, 1e-9);
  EXPECT_NEAR(number(kSheet, "T30"), number(kSheet, "B37") * number(kSheet, "K46"), 1e-9);
  // Cooling at 97 F: the line through 1 at 95 F and B24 at 105 F.
  EXPECT_NEAR(number(kSheet, "W14"),
              (1 + 0.2 * (number(kSheet, "B24") - 1)) * number(kSheet, "K43") * 47500, 1e-9);
}

TEST_F(AirToAirTest, FanPowerAndCoilCombination) {
  struct Case {
    const char* name;
    double capacity, backup_input, icm, combo;
    double fan_kw;
    const char* factors_row;  // the coil-combination cells K43:K46 equal, or nullptr for all 1
  };
  const Case cases[] = {
      {"ICM, middle coil", 47500, 100000, 1, 2, 0.57, "Q45:T45"},
      {"PSC, top coil", 47500, 100000, 0, 1, 0.6333333333333333, "M44:P44"},
      {"PSC, no heat pump capacity", 0, 100000, 0, 3, 0.75, "M46:P46"},
      {"combination out of range", 47500, 100000, 0, 4, 0.6333333333333333, nullptr},
  };
  for (const Case& c : cases) {
    set(kSheet, "B19", c.capacity);
    set(kSheet, "B4", c.backup_input);
    set(kSheet, "C9", c.icm);
    set(kSheet, "C27", c.combo);
    settle();
    EXPECT_NEAR(number(kSheet, "B32"), c.fan_kw, 1e-12) << c.name;
    for (int k = 0; k < 4; ++k) {
      double expected = 1;
      if (c.factors_row) {
        auto range = *sheet::parse_a1_range(c.factors_row);
        expected = number(kSheet, sheet::format_a1(range.first_row, range.first_col + k));
      }
      EXPECT_EQ(number(kSheet, cell("K", 43 + k)), expected) << c.name << " K" << 43 + k;
    }
  }
}

TEST_F(AirToAirTest, ABackupWithoutInputLeavesTheHeatPumpOnEveryBin) {
  set(kSheet, "B4", 0);
  settle();
  for (int row = 11; row <= 40; ++row) {
    EXPECT_TRUE(value(kSheet, cell("K", row)).is_error()) << row;
    EXPECT_EQ(number(kSheet, cell("N", row)), 1) << row;
    EXPECT_TRUE(value(kSheet, cell("T", row)).is_error()) << row;
    EXPECT_TRUE(value(kSheet, cell("U", row)).is_error()) << row;
    EXPECT_EQ(value(kSheet, cell("V", row)).is_error(), number(kSheet, cell("AL", row)) < 0) << row;
  }
  EXPECT_TRUE(value(kSheet, "V41").is_error());
  EXPECT_TRUE(value(kSheet, "F48").is_error());
}

TEST_F(AirToAirTest, ReportNamesTheFirstColumnOfTheHeatPump) {
  set_text(kLoadsSheet, "B31", "Heat pump with gas backup");
  settle();
  EXPECT_EQ(text(kSheet, "AO6"), "0");  // no column holds code 3
  set(kLoadsSheet, "A31", 3);
  settle();
  EXPECT_EQ(text(kSheet, "AO6"), "Heat pump with gas backup");
  EXPECT_EQ(text(kSheet, "BC6"), "Heat pump with gas backup");
}

}  // namespace
}  // namespace pellavan::workbook::testing
