// The Geo A and Geo B sheets as the template holds them: their counts, their circular groups and
// what Geo B leaves out of Geo A.
#include <gtest/gtest.h>

#include <string>

#include "geo_ab_book.h"

namespace pellavan::workbook::geo_test {
namespace {

std::size_t formulas_on(const sheet::Book& book, int sheet_number) {
  std::size_t n = 0;
  const auto used = book.used_range(sheet_number - 1);
  for (int r = used->first_row; r <= used->last_row; ++r)
    for (int c = used->first_col; c <= used->last_col; ++c)
      n += book.cell_kind({sheet_number - 1, r, c}) == sheet::CellKind::kFormula ? 1 : 0;
  return n;
}

TEST(GeoSheetsTest, FormulaCountsAndUsedRanges) {
  const GeoBook g;
  // Each with the 98 cells in CA:CC that count the load left unmet.
  EXPECT_EQ(formulas_on(g.book(), kGeoASheet), 1997u + 98u);
  // Geo A less the 44 second-unit values and the 4 pumps by mode, less the formula headings BK8
  // and BY8, plus G4.
  EXPECT_EQ(formulas_on(g.book(), kGeoBSheet), 1948u + 98u);
  EXPECT_EQ(sheet::format_a1_range(*g.book().used_range(kGeoASheet - 1)), "A1:CD101");
  EXPECT_EQ(sheet::format_a1_range(*g.book().used_range(kGeoBSheet - 1)), "A1:CD53");
}

TEST(GeoSheetsTest, EachSheetHasOneCircularGroupOfTheLoopSizing) {
  GeoBook g;
  g.recalc();
  int on_a = 0, on_b = 0;
  for (const sheet::GroupReport& group : g.book().last_recalc().groups) {
    if (group.first_cell.sheet == kGeoASheet - 1) {
      ++on_a;
      EXPECT_EQ(group.cells, 738u);
    }
    if (group.first_cell.sheet == kGeoBSheet - 1) {
      ++on_b;
      EXPECT_EQ(group.cells, 737u);
    }
  }
  EXPECT_EQ(on_a, 1);
  EXPECT_EQ(on_b, 1);
}

TEST(GeoSheetsTest, GeoBIsGeoAWithoutTheSecondUnit) {
  const GeoBook g;
  const sheet::Book& book = g.book();
  for (const char* empty :
       {"E21", "F21", "E46", "F46", "F47", "F48", "F49", "A53", "B53", "D56", "B101", "F54"}) {
    EXPECT_EQ(book.cell_kind(at(kGeoBSheet, empty)), sheet::CellKind::kEmpty) << empty;
  }
  EXPECT_EQ(g.text(kGeoBSheet, "E53"), "Style description");
  EXPECT_EQ(g.text(kGeoBSheet, "BK8"), "Aux");
  EXPECT_EQ(book.cell_formula(at(kGeoBSheet, "G4")), "H9+H16+H20");
  EXPECT_EQ(book.cell_formula(at(kGeoBSheet, "D33")), "B27");
  // Unchanged cells keep Geo A's formulas, moved with their rows.
  for (const char* same :
       {"R11", "R40", "BH25", "AJ33", "H45", "H48", "F43", "BO27", "BT40", "H24"}) {
    EXPECT_EQ(book.cell_formula(at(kGeoBSheet, same)), book.cell_formula(at(kGeoASheet, same)))
        << same;
  }
  // The differences of the bin rows are in every row.
  EXPECT_NE(book.cell_formula(at(kGeoBSheet, "Q40")), book.cell_formula(at(kGeoASheet, "Q40")));
  EXPECT_EQ(*book.cell_formula(at(kGeoBSheet, "AH40")),
            "((AC40+($D$18*V40+$D$32*(1-V40))+IF($F$18=1,$D$19,0))*BH40*BB40)*IF(W40<1,0,1)");
}

TEST(GeoSheetsTest, BinReportBlocksCarryTheirFormatsAndPrintArea) {
  const GeoBook g;
  const sheet::Book& book = g.book();
  EXPECT_EQ(sheet::format_a1_range(*book.sheet(kGeoASheet - 1).print_area()), "AZ1:BL45");
  struct Format {
    const char* cell;
    const char* code;
  };
  for (const Format& f :
       {Format{"BC20", "#,##0"}, Format{"BH20", "0%"}, Format{"BI20", "\"$\"#,##0"},
        Format{"BF2", "m/d/yy"}, Format{"BO20", "0.0"}, Format{"BQ20", "#,##0.0"},
        Format{"BW20", "#,##0"}}) {
    EXPECT_EQ(book.style_of(at(kGeoASheet, f.cell)).format.code(), f.code) << f.cell;
    EXPECT_EQ(book.style_of(at(kGeoBSheet, f.cell)).format.code(), f.code) << f.cell << " on Geo B";
  }
  EXPECT_TRUE(book.style_of(at(kGeoASheet, "BA4")).font.bold);
  EXPECT_EQ(book.style_of(at(kGeoASheet, "BA4")).font.size, 12);
}

}  // namespace
}  // namespace pellavan::workbook::geo_test
