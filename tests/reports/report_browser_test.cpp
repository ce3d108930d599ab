// The reports window's state on the analysis workbook: every showing starts on the Project
// Report, the scroller skips the reports of systems not chosen, and the zoom levels are kept
// in the project within the bar's range.
#include <gtest/gtest.h>

#include <QPrinter>

#include "model/project/file_conversion.h"
#include "reports/report_browser.h"
#include "reports/set_criteria.h"
#include "sheet_view/spreadsheet_control.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::reports {
namespace {

using model::SystemType;

class ReportBrowserTest : public ::testing::Test {
 protected:
  ReportBrowserTest() : browser(control, model) {
    control.hold_book(workbook::load_report_template());
    model::set_standard_zoom(rec());
  }
  model::ProjectRec& rec() { return model.ProjectRec; }
  void choose(SystemType a, SystemType b = SystemType::NoSystem) {
    rec().System1_Type = model::code_of(a);
    rec().System2_Type = model::code_of(b);
  }

  model::ModelState model;
  sheet::view::SpreadsheetControl control;
  ReportBrowser browser;
};

// Every sheet starts read-only at zoom 85, printing onto one page; an attached view is read-only
// too, and so is the reports window's control on its active sheet.
TEST_F(ReportBrowserTest, LoadPutsEverySheetInTheFixedState) {
  browser.Form_Load();
  for (int sheet = 1; sheet <= control.SheetCount(); ++sheet) {
    control.ActiveSheet(sheet);
    EXPECT_EQ(control.ViewZoom(), 85) << sheet;
    EXPECT_FALSE(control.view().has(sheet::view::Feature::kEditing)) << sheet;
    EXPECT_TRUE(control.view().print_settings().fit) << sheet;
  }
  sheet::view::SpreadsheetControl reports, own;
  reports.hold_book(workbook::load_report_template());
  own.AttachBook(reports.BookHandle());
  Set_Criteria(reports, own);
  for (const auto* c : {&reports, &own}) {
    EXPECT_FALSE(c->view().has(sheet::view::Feature::kSelection));
    EXPECT_FALSE(c->view().has(sheet::view::Feature::kHeadings));
  }
  EXPECT_EQ(own.ViewZoom(), 100) << "the attached variant leaves the zoom";
}

TEST_F(ReportBrowserTest, EachShowingStartsOnTheProjectReport) {
  choose(SystemType::Fossil);
  browser.Form_Activate();
  browser.Show_Report(17);
  browser.Form_Activate();
  EXPECT_EQ(browser.current().index, 1);
  EXPECT_EQ(browser.scroller(), 1);
  EXPECT_EQ(browser.zoom_bar(), 95);
  EXPECT_EQ(browser.zoom_text(), "95%");
  EXPECT_EQ(control.ActiveSheet(), 9);
  EXPECT_EQ(control.PrintArea(), "B1:N51");
  EXPECT_TRUE(browser.enabled(report(16)));
  EXPECT_FALSE(browser.enabled(report(13)));
  model.MetricFlag(model::kMetricDisplay) = -1;
  browser.Show_Report(1);
  EXPECT_EQ(control.PrintArea(), "P1:AB51");
}

TEST_F(ReportBrowserTest, TheScrollerStepsThroughTheChosenSystemsOnly) {
  choose(SystemType::Fossil);
  browser.Form_Activate();
  struct Step {
    int set_to, scroller, shown, sheet;
  };
  for (const Step s :
       {Step{2, 2, 2, 20}, Step{3, 16, 16, 13}, Step{15, 2, 2, 20}, Step{18, 18, 18, 24}}) {
    browser.HScrollViewer_Change(s.set_to);
    EXPECT_EQ(browser.scroller(), s.scroller) << s.set_to;
    EXPECT_EQ(browser.current().index, s.shown) << s.set_to;
    EXPECT_EQ(control.ActiveSheet(), s.sheet) << s.set_to;
  }
  browser.HScrollViewer_Change(4);  // Geo T is not chosen: nothing changes but the scroller
  EXPECT_EQ(browser.scroller(), 4);
  EXPECT_EQ(browser.current().index, 18);
}

TEST_F(ReportBrowserTest, TheGeoTBinSheetsReportsShareTheirZoom) {
  choose(SystemType::GeoT);
  browser.Form_Activate();
  browser.Show_Report(4);
  browser.HscrZoom_Change(140);
  EXPECT_EQ(rec().Zoom_GeoTBin, 140);
  EXPECT_EQ(rec().Zoom_GeoTOperating, 140);
  EXPECT_EQ(control.ViewZoom(), 140);
  rec().Zoom_GeoTOperating = 120;
  browser.Show_Report(5);
  EXPECT_EQ(browser.zoom_bar(), 120);
  EXPECT_EQ(rec().Zoom_GeoTBin, 120) << "showing one copies its zoom into the other";
}

TEST_F(ReportBrowserTest, ZoomsFromAFileAreShownAndStoredWithinRange) {
  choose(SystemType::GeoA);
  rec().Zoom_GeoASummary = 999;
  rec().Zoom_GeoABin = 3;
  browser.Form_Activate();
  for (const auto& [index, level] : {std::pair{7, 200}, std::pair{8, 25}}) {
    browser.Show_Report(index);
    EXPECT_EQ(browser.zoom_bar(), level);
    EXPECT_EQ(control.ViewZoom(), level);
    EXPECT_EQ(rec().*report(index).zoom, level);
  }
}

TEST_F(ReportBrowserTest, LockZoomGivesEveryReportTheBarsLevel) {
  browser.Form_Activate();
  browser.HscrZoom_Change(120);
  browser.CommandZoomAll_Click();
  for (const Report& r : kReports) EXPECT_EQ(rec().*r.zoom, 120) << r.name;
  EXPECT_EQ(rec().BinZoom_GeoA, 115) << "the bin views keep their own";
  EXPECT_EQ(browser.zoom_text(), "120%");
}

TEST_F(ReportBrowserTest, ABatchPrintEndsOnTheProjectReportWithTheScrollerOnIt) {
  choose(SystemType::Fossil, SystemType::GeoA);
  rec().Print_GeoB = 1;
  browser.Form_Activate();
  EXPECT_EQ(rec().Print_GeoB, 0) << "not chosen: dropped at activation";
  browser.HScrollViewer_Change(17);
  QPrinter printer;
  int prompts = 0;
  const PrintOutcome outcome =
      browser.Print_Reports(printer, [&](QPrinter&) { return ++prompts, false; });
  EXPECT_EQ(outcome.pages, 0);
  EXPECT_EQ(prompts, 0) << "nothing ticked";
  EXPECT_EQ(browser.current().index, 1);
  EXPECT_EQ(browser.scroller(), 1);
  EXPECT_EQ(control.ActiveSheet(), 9);
}

}  // namespace
}  // namespace pellavan::reports
