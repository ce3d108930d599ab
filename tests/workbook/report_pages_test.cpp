// The report pages of the analysis workbook as printed pages: each sheet's print area, the blocks
// of its imperial and metric copies, and where its date cells stand.

#include <gtest/gtest.h>

#include <string>

#include "sheet/address.h"
#include "sheet/book.h"
#include "template_book.h"

namespace pellavan::workbook {
namespace {

struct Page {
  const char* sheet;
  const char* imperial;  // the sheet's print area
  const char* metric;    // the metric copy's block, or nullptr for a page shown in both modes
  bool centred;
};

constexpr Page kPages[] = {
    {"PRT", "B1:N46", nullptr, true},   {"PRS", "B1:N51", "P1:AB51", true},
    {"PRG", "B1:O48", nullptr, true},   {"GAS", "B1:O59", "Q1:AD59", true},
    {"GBS", "B1:O59", "Q1:AD59", true}, {"GTS", "B1:O59", "Q1:AD59", true},
    {"AAS", "B1:O51", "Q1:AD51", true}, {"FUS", "B1:O43", "Q1:AD43", true},
    {"GAQ", "A1:G29", "J1:P29", false}, {"GBQ", "A1:G29", "J1:P29", false},
    {"AAQ", "A1:G29", "J1:P29", false}, {"FUQ", "A1:G29", "J1:P29", false},
    {"GTQ", "A1:G29", "J1:P29", false}, {"GAG", "B1:O48", nullptr, true},
    {"GBG", "B1:O48", nullptr, true},   {"GTG", "B1:O48", nullptr, true},
    {"AAG", "B1:O48", nullptr, true},   {"FUG", "B1:O48", nullptr, true},
};

sheet::RangePos range(const char* a1, int sheet) {
  sheet::RangePos r = *sheet::parse_a1_range(a1);
  r.sheet = sheet;
  return r;
}

class ReportPagesTest : public ::testing::Test {
 protected:
  static const sheet::Book& book() { return testing::template_book(); }
};

TEST_F(ReportPagesTest, PrintAreasAndPageSetup) {
  for (const Page& p : kPages) {
    SCOPED_TRACE(p.sheet);
    const sheet::Sheet& s = book().sheet(*book().find_sheet(p.sheet));
    ASSERT_TRUE(s.print_area().has_value());
    EXPECT_EQ(sheet::format_a1_range(*s.print_area()), p.imperial);
    EXPECT_FALSE(s.page_setup().landscape);
    EXPECT_EQ(s.page_setup().scale_percent, 100);
    EXPECT_EQ(s.page_setup().center_horizontally, p.centred);
  }
}

// Every cell of a page lies in its imperial or its metric block, or in a hidden column; the
// print-date cells too.
TEST_F(ReportPagesTest, EveryCellLiesOnAPage) {
  for (const Page& p : kPages) {
    SCOPED_TRACE(p.sheet);
    const int index = *book().find_sheet(p.sheet);
    const sheet::RangePos imperial = range(p.imperial, index);
    // A page shown in both modes has its one block for both.
    const sheet::RangePos metric = range(p.metric ? p.metric : p.imperial, index);
    const auto used = book().used_range(index);
    ASSERT_TRUE(used.has_value());
    int dates = 0;
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::CellPos pos{index, r, c};
        if (book().cell_kind(pos) == sheet::CellKind::kEmpty) continue;
        const bool on_page = imperial.contains(pos) || metric.contains(pos);
        const auto formula = book().cell_formula(pos);
        if (formula && *formula == "TODAY()") {
          ++dates;
          EXPECT_TRUE(on_page) << "print date " << sheet::format_a1(r, c) << " is not printed";
        }
        // Chart data and the bin temperatures lie beside the graph pages, outside the print area.
        if (!on_page && p.metric && !book().sheet(index).column_hidden(c))
          ADD_FAILURE() << sheet::format_a1(r, c) << " is on no page";
      }
    }
    // The title page and the panels carry no print date; the others one per copy.
    const bool dated = std::string(p.sheet) != "PRT" && std::string(p.sheet).back() != 'Q';
    EXPECT_EQ(dates, dated ? (p.metric ? 2 : 1) : 0);
  }
}

// Every print date shows as the pages' date line does, "5/30/96".
TEST_F(ReportPagesTest, PrintDatesShowTwoDigitYears) {
  constexpr double kMay30th1996 = 35215;
  int dates = 0;
  for (int index = 0; index < book().sheet_count(); ++index) {
    const auto used = book().used_range(index);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::CellPos pos{index, r, c};
        const auto formula = book().cell_formula(pos);
        if (!formula || *formula != "TODAY()") continue;
        ++dates;
        EXPECT_EQ(book().style_of(pos).format.format_number(kMay30th1996).text, "5/30/96")
            << book().sheet(index).name() << "!" << sheet::format_a1(r, c);
      }
  }
  EXPECT_GT(dates, 0);
}

// The freezing bin of a metric bin report is the text "0.0" between numbers: its column aligns
// it with them.
TEST_F(ReportPagesTest, TheMetricFreezingBinAlignsWithItsColumn) {
  const struct {
    const char* sheet;
    const char* cell;
  } kBins[] = {{"Geo A", "BO27"}, {"Geo B", "BO27"},      {"GEO T", "DC27"},
               {"GEO T", "EE27"}, {"Air-to-Air", "AX27"}, {"Furnace", "AL27"}};
  for (const auto& bin : kBins) {
    SCOPED_TRACE(std::string(bin.sheet) + "!" + bin.cell);
    sheet::CellPos pos = *sheet::parse_a1(bin.cell);
    pos.sheet = *book().find_sheet(bin.sheet);
    const sheet::HAlign align = book().style_of(pos).horizontal;
    EXPECT_TRUE(align == sheet::HAlign::kRight || align == sheet::HAlign::kCenter);
  }
}

// The project report prints down to its print-date row 51 on one letter page at 100 %:
// 11 in less the top and bottom margins.
TEST_F(ReportPagesTest, TheProjectReportHasRoomForItsPrintDate) {
  const sheet::Sheet& prs = book().sheet(*book().find_sheet("PRS"));
  double points = 0;
  for (int row = 0; row <= 50; ++row) points += prs.row_height(row);
  const sheet::PageSetup& page = prs.page_setup();
  EXPECT_LE(points, (11.0 - page.margin_top - page.margin_bottom) * 72);
}

// The note under the costs (row 42) is a line of the table, at the table's spacing; "Comments:"
// (row 43, bottom-aligned) stands a blank line below it, so the note does not read as a comment.
TEST_F(ReportPagesTest, TheUnmetNoteStandsApartFromTheComments) {
  const sheet::Sheet& prs = book().sheet(*book().find_sheet("PRS"));
  const double line = prs.row_height(40);  // row 41, the last system
  EXPECT_EQ(prs.row_height(41), line);
  EXPECT_GE(prs.row_height(42) - line, line);
}

}  // namespace
}  // namespace pellavan::workbook
