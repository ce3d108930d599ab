// The Loads, Rates and Economics sheets of the template: formulas, labels, the sample project's
// inputs and what the template as stored computes from them.
#include <gtest/gtest.h>

#include <string>

#include "sheet/address.h"
#include "sheet/book.h"
#include "workbook/report_sheets.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {
namespace {

sheet::CellPos at(int sheet_number, std::string_view a1) {
  auto pos = *sheet::parse_a1(a1);
  pos.sheet = sheet_number - 1;
  return pos;
}

class LoadsSheetTest : public ::testing::Test {
 protected:
  double number(std::string_view a1, int sheet_number = kLoadsSheet) const {
    const sheet::Value v = book.cell_value(at(sheet_number, a1));
    EXPECT_TRUE(v.is_number()) << a1;
    return v.as_number();
  }
  std::string text(std::string_view a1, int sheet_number = kLoadsSheet) const {
    return book.cell_text(at(sheet_number, a1));
  }
  sheet::Book book = load_report_template();
};

TEST_F(LoadsSheetTest, FormulaCountsAndUsedRanges) {
  struct Row {
    int sheet;
    std::size_t formulas;
    const char* used;
  };
  const Row rows[] = {
      {kLoadsSheet, 3, "A1:F55"}, {kRatesSheet, 0, "A1:F7"}, {kEconomicsSheet, 0, nullptr}};
  for (const Row& r : rows) {
    std::size_t formulas = 0;
    const auto used = book.used_range(r.sheet - 1);
    if (used)
      for (int row = used->first_row; row <= used->last_row; ++row)
        for (int col = used->first_col; col <= used->last_col; ++col)
          formulas += book.cell_kind({r.sheet - 1, row, col}) == sheet::CellKind::kFormula ? 1 : 0;
    EXPECT_EQ(formulas, r.formulas) << book.sheet(r.sheet - 1).name();
    if (r.used) {
      ASSERT_TRUE(used) << book.sheet(r.sheet - 1).name();
      EXPECT_EQ(sheet::format_a1_range(*used), r.used);
    } else {
      EXPECT_FALSE(used) << book.sheet(r.sheet - 1).name() << " is empty in the template";
    }
  }
}

TEST_F(LoadsSheetTest, TheThreeFormulasAsWritten) {
  EXPECT_EQ(book.cell_formula(at(kLoadsSheet, "A23")), "(C11-C20)/C12*(C4-MIN(75,C17))+C20");
  EXPECT_EQ(book.cell_formula(at(kLoadsSheet, "A25")), "A23*A27");
  EXPECT_EQ(book.cell_formula(at(kLoadsSheet, "A35")), "A27*C11");
}

TEST_F(LoadsSheetTest, TheTemplateAsStoredReproducesTheWorkedExample) {
  book.recalc();
  struct Row {
    const char* cell;
    double figure;  // as the worked example gives it, to two decimals
  };
  const Row rows[] = {{"A23", 47937.98}, {"A25", 40747.29}, {"A35", 38250}};
  for (const Row& r : rows) EXPECT_NEAR(number(r.cell), r.figure, 0.005) << r.cell;
  EXPECT_DOUBLE_EQ(number("A23"), (45000 - 15620.16) / 20 * (97 - 75) + 15620.16);
  EXPECT_DOUBLE_EQ(number("A35"), 38250);
}

TEST_F(LoadsSheetTest, CachedValuesAreTheSettledResults) {
  // Not recalculated: the formula cells hold the values settled from the sample at build time.
  EXPECT_NEAR(number("A23"), 47937.984, 1e-9);
  EXPECT_NEAR(number("A25"), 40747.2864, 1e-9);
  EXPECT_NEAR(number("A35"), 38250, 1e-9);
}

TEST_F(LoadsSheetTest, SampleProjectInputs) {
  struct Row {
    const char* cell;
    double value;
  };
  const Row rows[] = {
      {"A1", 1},        {"C3", 6},       {"C4", 97},       {"C5", 4900},      {"C6", 57},
      {"C7", 24.4},     {"C8", 34},      {"C9", 80000},    {"C10", 65},       {"C11", 45000},
      {"C12", 20},      {"C13", 120},    {"C14", 4},       {"C15", 0},        {"C16", 70},
      {"C17", 75},      {"C18", 75},     {"C19", 0.70667}, {"C20", 15620.16}, {"C21", 57.31},
      {"C22", 101.975}, {"C23", 49.608}, {"C24", 22.081},  {"C25", 2521},     {"A27", 0.85},
      {"A30", 4},       {"A31", 1},      {"A32", 2},       {"A17", 35215},
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(number(r.cell), r.value) << r.cell;
  EXPECT_EQ(text("C2"), "St. Louis, MO");
  EXPECT_EQ(text("B39"), "$ CND ");
  EXPECT_EQ(book.style_of(at(kLoadsSheet, "A17")).format.code(), "m/d/yy");

  const double hours[30] = {0,   1,   10,  47,  165, 346, 578, 731, 850, 764,
                            676, 586, 576, 545, 617, 670, 637, 404, 228, 138,
                            97,  50,  24,  11,  1,   0,   0,   0,   0,   0};
  double total = 0, heating = 0, cooling = 0;
  for (int bin = 1; bin <= 30; ++bin) {
    const std::string row = std::to_string(bin + 1);
    EXPECT_DOUBLE_EQ(number("D" + row), hours[bin - 1]) << "bin " << bin;
    total += number("D" + row);
    const double net = number("E" + row);
    (net > 0 ? cooling : heating) += net * number("D" + row) / 1e6;
    EXPECT_DOUBLE_EQ(number("F" + row), hours[bin - 1] > 0 ? 2521 : 0) << "bin " << bin;
  }
  EXPECT_EQ(total, 8752);
  // The bin loads are those of the building at the sample's gains: they add up to its annual
  // heating and cooling energies.
  EXPECT_NEAR(-heating, number("C22"), 0.0005);
  EXPECT_NEAR(cooling, number("C23"), 0.0005);
  EXPECT_DOUBLE_EQ(number("E5"), number("A23")) << "the 97 F bin carries the cooling design total";
}

TEST_F(LoadsSheetTest, LabelsBesideTheInputs) {
  struct Row {
    const char* cell;
    const char* label;
  };
  const Row rows[] = {
      {"B1", "<--- use metric flag"},
      {"B2", "city,state"},
      {"B3", "htg design"},
      {"B4", "clg design"},
      {"B5", "deg day"},
      {"B6", "earth temp"},
      {"B7", "ann swing"},
      {"B8", "phase"},
      {"B9", "htg load"},
      {"B10", "htg dt"},
      {"B11", "clg load"},
      {"B12", "clg dt"},
      {"B13", "dhw temp"},
      {"B14", "dhw users"},
      {"B15", "cont fan"},
      {"B16", "htg setpt"},
      {"B17", "clg setpt"},
      {"B18", "clg start"},
      {"B19", "htg corr"},
      {"B20", "int gains"},
      {"B21", "bldg bal pt"},
      {"B22", "ann htg"},
      {"B23", "ann clg"},
      {"B24", "ann dhw"},
      {"B25", "dhw btuh"},
      {"B26", "solar gains"},
      {"B27", "occup gains"},
      {"B28", "elec gains"},
      {"B29", "constr quality"},
      {"A22", "clg design total:"},
      {"A24", "clg design sensible:"},
      {"A26", "Clg load sens/tot ratio:"},
      {"A34", "Input Sensible Load"},
      {"C37", "<--- metric flag - use Deg F"},
      {"C38", "<--- metric flag - use Btuh"},
      {"C39", "<--- currency descriptor"},
      {"C40", "<--- metric flag - use ft"},
      {"D1", "hours"},
      {"E1", "net load"},
      {"F1", "dhw load"},
      {"A44", "Rev 23 notes:"},
      {"A55", "Rev 34 notes:"},
  };
  for (const Row& r : rows) EXPECT_EQ(text(r.cell), r.label) << r.cell;
}

TEST_F(LoadsSheetTest, RatesHoldThePricesInStoredUnits) {
  struct Row {
    const char* cell;
    double value;
  };
  const Row rows[] = {{"B2", 0.10}, {"C2", 0.07}, {"B5", 1.30},
                      {"C5", 1.00}, {"D5", 0.04}, {"E5", 1}};
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(number(r.cell, kRatesSheet), r.value) << r.cell;
  const char* labels[][2] = {{"B1", "summer"},
                             {"C1", "winter"},
                             {"D1", "inflation"},
                             {"E1", "units"},
                             {"A2", "elec-geo"},
                             {"A3", "elec-hp/res"},
                             {"A4", "elec-fossil"},
                             {"A5", "gas"},
                             {"A6", "propane"},
                             {"A7", "oil"},
                             {"F5", "<--- metric units 1 = GJ, otherwise m3"}};
  for (const auto& l : labels) EXPECT_EQ(text(l[0], kRatesSheet), l[1]) << l[0];
}

}  // namespace
}  // namespace pellavan::workbook
