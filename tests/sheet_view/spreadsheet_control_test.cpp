#include <gtest/gtest.h>

#include <memory>

#include "sheet/errors.h"
#include "sheet_view/spreadsheet_control.h"
#include "view_fixture.h"

namespace pellavan::sheet::view {
namespace {

using namespace testing;

class SpreadsheetControlTest : public ::testing::Test {
 protected:
  SpreadsheetControlTest() {
    reports.hold_book(styled_book());
    reports.resize(500, 300);
  }
  static bool shows(SpreadsheetControl& c, const QString& text) {
    c.view().viewport()->repaint();
    return find_text(c.view().drawn_texts(), text) != nullptr;
  }
  static void block(SpreadsheetControl& c, int first_row, int last_row, int first_col,
                    int last_col) {
    c.ViewFirstRow(first_row);
    c.ViewLastRow(last_row);
    c.ViewFirstCol(first_col);
    c.ViewLastCol(last_col);
  }
  SpreadsheetControl reports;
};

TEST_F(SpreadsheetControlTest, AnAttachedControlStartsFromTheOwnersSheetBlockAndZoom) {
  reports.ActiveSheet(2);
  block(reports, 1, 5, 1, 3);
  reports.ViewZoom(115);
  SpreadsheetControl window;
  window.AttachBook(reports.BookHandle());
  EXPECT_EQ(&window.book(), &reports.book());
  EXPECT_EQ(window.ActiveSheet(), 2);
  EXPECT_EQ(window.ViewLastRow(), 5);
  EXPECT_EQ(window.ViewLastCol(), 3);
  EXPECT_EQ(window.ViewZoom(), 115);
}

TEST_F(SpreadsheetControlTest, WindowsKeepTheirOwnResultSheetsWhateverTheReportsControlShows) {
  SpreadsheetControl furnace, heat_pump;
  reports.ActiveSheet(2);
  furnace.AttachBook(reports.BookHandle());
  reports.ActiveSheet(3);
  heat_pump.AttachBook(reports.BookHandle());
  ASSERT_TRUE(show_exposed(furnace));
  ASSERT_TRUE(show_exposed(heat_pump));

  // A fill selects sheets on the reports control and recalculates; a report sets its own block.
  reports.cells().set_active_sheet(1);
  reports.SetCellText(9, 1, "filled");
  reports.Recalc();
  block(reports, 1, 50, 2, 14);
  reports.ViewZoom(85);

  EXPECT_EQ(reports.ActiveSheet(), 1) << "the filler's sheet is the reports control's";
  EXPECT_EQ(furnace.ActiveSheet(), 2);
  EXPECT_EQ(heat_pump.ActiveSheet(), 3);
  EXPECT_EQ(furnace.ViewZoom(), 100);
  EXPECT_TRUE(shows(furnace, "on the second sheet"));
  EXPECT_TRUE(shows(heat_pump, "on the third sheet"));
}

TEST_F(SpreadsheetControlTest, ZoomIsTakenInto25To200AndReportedAsTaken) {
  struct Row {
    const char* name;
    int asked;
    int taken;
  };
  const Row rows[] = {{"usual", 85, 85},    {"least", 25, 25},    {"most", 200, 200},
                      {"too small", 0, 25}, {"negative", -5, 25}, {"too large", 1000, 200}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    reports.ViewZoom(r.asked);
    EXPECT_EQ(reports.ViewZoom(), r.taken);
  }
}

TEST_F(SpreadsheetControlTest, BlockCornersMaySetInEitherOrder) {
  struct Row {
    const char* name;
    bool last_first;
    int first, last;
  };
  const Row rows[] = {{"on to the operating columns, last first", true, 120, 132},
                      {"back to the bin columns", false, 92, 104},
                      {"metric bin columns, first first", false, 106, 118},
                      {"metric operating columns, last first", true, 134, 146}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.last_first) {
      reports.ViewLastCol(r.last);
      reports.ViewFirstCol(r.first);
    } else {
      reports.ViewFirstCol(r.first);
      reports.ViewLastCol(r.last);
    }
    const RangePos shown = reports.view().block().range(0);
    EXPECT_EQ(shown.first_col, r.first - 1);
    EXPECT_EQ(shown.last_col, r.last - 1);
  }
  reports.ViewLastRow(100000);
  reports.ViewFirstRow(-3);
  EXPECT_EQ(reports.ViewLastRow(), kMaxRows);
  EXPECT_EQ(reports.ViewFirstRow(), 1);
}

TEST_F(SpreadsheetControlTest, TheReadOnlyListSwitchesEveryFeatureOffOnItsSheetOnly) {
  set_read_only_list(reports);
  for (Feature f : {Feature::kHeadings, Feature::kGrid, Feature::kTabs, Feature::kEditing,
                    Feature::kSelection}) {
    EXPECT_FALSE(reports.view().has(f));
  }
  reports.ActiveSheet(2);
  EXPECT_TRUE(reports.view().has(Feature::kHeadings)) << "another sheet keeps its furniture";
  reports.Book_Prop(64, false);
  EXPECT_FALSE(reports.view().has(Feature::kSelection));
  reports.Book_Prop(64, true);
  EXPECT_TRUE(reports.view().has(Feature::kSelection));
}

TEST_F(SpreadsheetControlTest, NumberedSettingsTakeWhatTheyAreForAndRefuseTheRest) {
  reports.Book_Prop(6, 2);
  reports.Book_Prop(25, 1);
  EXPECT_EQ(reports.report_layout(6), 2);
  EXPECT_EQ(reports.report_layout(25), 1);
  reports.Book_Prop(37, true);
  reports.Book_Prop(80, false);
  EXPECT_TRUE(reports.view().print_settings().centred);
  EXPECT_FALSE(reports.view().print_settings().grid_lines);
  reports.Book_Prop(81, "Pellavan");
  reports.Book_Prop(94, "Pellavan®");
  EXPECT_EQ(reports.job_name(), "Pellavan");
  EXPECT_THROW(reports.Book_Prop(2, false), BadCall);
  EXPECT_THROW(reports.Book_Prop(24, "x"), BadCall);
  EXPECT_THROW(reports.Book_Prop(81, 1), BadCall);
}

TEST_F(SpreadsheetControlTest, PicturesAreAddedCountedAndRemoved) {
  reports.ActiveSheet(2);
  EXPECT_EQ(reports.ObjectCount(), 0);
  const int id = reports.AddPictureObject(2.0, 6.0, 14.0, 46.5, solid_image(Qt::green));
  EXPECT_EQ(reports.ObjectCount(), 1);
  reports.ActiveSheet(1);
  EXPECT_EQ(reports.ObjectCount(), 0) << "objects belong to their sheet";
  reports.ActiveSheet(2);
  int selected = 0;
  reports.Book_Op198(reports.ObjectCount(), selected);
  EXPECT_EQ(selected, id);
  reports.Book_Op141(1);
  EXPECT_EQ(reports.ObjectCount(), 0);
  EXPECT_THROW(reports.Book_Op198(1, selected), BadCall);
  EXPECT_THROW(reports.AddPictureObject(0, 0, 1, 1, QImage()), BadCall);
}

TEST_F(SpreadsheetControlTest, AnAttachedViewKeepsItsBookAfterTheOwnerIsGone) {
  SpreadsheetControl window;
  {
    auto owner = std::make_unique<SpreadsheetControl>();
    owner->hold_book(styled_book());
    owner->ActiveSheet(3);
    window.AttachBook(owner->BookHandle());
    const SpreadsheetControl::Handle handle = owner->BookHandle();
    owner.reset();
    EXPECT_TRUE(handle.valid()) << "the attached view still holds the book";
  }
  EXPECT_EQ(window.GetCellText(1, 1), "on the third sheet");
  SpreadsheetControl late;
  late.AttachBook(window.BookHandle());
  EXPECT_EQ(late.ActiveSheet(), 1) << "no owner left to start from";

  SpreadsheetControl::Handle gone;
  EXPECT_THROW(window.AttachBook(gone), BadCall);
}

TEST_F(SpreadsheetControlTest, CellCallsWorkOnTheActiveSheetAndRejectBadFormulas) {
  reports.ActiveSheet(2);
  reports.SetCellText(3, 2, "12");
  reports.SetCellFormula(3, 3, "B3*2");
  reports.Recalc();
  EXPECT_EQ(reports.GetCellText(3, 3), "24");
  EXPECT_EQ(reports.book().cell_text(CellPos{1, 2, 2}), "24");
  try {
    reports.SetCellFormula(4, 3, "B3*");
    FAIL() << "the formula parsed";
  } catch (const FormulaRejected& e) {
    EXPECT_EQ(e.cell(), "second!C4");
    EXPECT_EQ(e.position(), 3);
  }
  EXPECT_THROW(reports.ActiveSheet(30), BadCall);
  EXPECT_EQ(reports.SheetCount(), 3);
}

TEST_F(SpreadsheetControlTest, PrintAreaIsARangeOfTheActiveSheet) {
  reports.PrintArea("B1:N50");
  EXPECT_EQ(reports.PrintArea(), "B1:N50");
  reports.ActiveSheet(2);
  EXPECT_EQ(reports.PrintArea(), "");
  EXPECT_THROW(reports.PrintArea("B1:N"), BadCall);
  reports.SetPrintScale(100, true, 1, 1);
  const PrintSettings& print = reports.view().print_settings();
  EXPECT_TRUE(print.fit);
  EXPECT_EQ(print.pages_wide, 1);
  EXPECT_EQ(print.scale_percent, 100);
}

TEST_F(SpreadsheetControlTest, SelectingTheFirstCellScrollsToTheBlocksStart) {
  ASSERT_TRUE(show_exposed(reports));
  block(reports, 1, 5000, 1, 20);
  reports.view().select_cell(300, 10);
  reports.Book_Op211(1, 1);
  EXPECT_EQ(reports.view().state().current_row, 0);
  EXPECT_EQ(reports.view().state().current_col, 0);
  EXPECT_EQ(reports.view().state().scroll_y, 0);
}

}  // namespace
}  // namespace pellavan::sheet::view
