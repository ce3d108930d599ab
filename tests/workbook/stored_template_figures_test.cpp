// The template as built in: Loads, Rates and the two sheets hold the sample project's inputs and
// every formula its settled value, so one recalculation under the workbook's own settings gives
// the sample's figures without moving the Air-to-Air circles.
#include <gtest/gtest.h>

#include "workbook/conventional_sample.h"

namespace pellavan::workbook::testing {
namespace {

TEST(StoredTemplateTest, ReproducesTheHeatPumpAndFurnaceFigures) {
  sheet::Book book = load_report_template();
  const auto number = [&](int sheet_number, const char* a1) {
    return book.cell_value(sheet_cell(sheet_number, a1)).as_number();
  };
  const double e30 = number(kAirToAirSheet, "E30");
  book.recalc();
  for (const Figure& f : kAirToAirFigures)
    EXPECT_NEAR(number(kAirToAirSheet, f.cell), f.value, f.tolerance) << f.cell;
  for (const Figure& f : kFurnaceFigures)
    EXPECT_NEAR(number(kFurnaceSheet, f.cell), f.value, f.tolerance) << f.cell;
  EXPECT_EQ(number(kAirToAirSheet, "E30"), e30);
  for (const sheet::GroupReport& g : book.last_recalc().groups) {
    if (g.first_cell.sheet == kAirToAirSheet - 1) {
      EXPECT_EQ(g.last_change, 0) << sheet::format_a1(g.first_cell.row, 4);
    }
  }
}

}  // namespace
}  // namespace pellavan::workbook::testing
