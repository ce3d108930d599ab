// The main window's Reports command once the reports window and the fill are registered: the
// timer fills the workbook, shows at most one warning about the results, and then shows the
// reports window modally on the Project Report. "&Check for Updates" is enabled with them.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "app/app_fixture.h"
#include "app/program.h"
#include "model/project/project_files_fixture.h"
#include "reports/report_table.h"
#include "reports/window/reports_window.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

class ReportsCommandTest : public testing::AppFixture {};

TEST_F(ReportsCommandTest, TheTimerFillsAndShowsTheReportsWindowOnTheProjectReport) {
  register_windows(*state);
  QString shown;
  on_modal["Form5"] = [&](QDialog& dialog) {
    auto& reports = dynamic_cast<reports::ReportsWindow&>(dialog);
    shown = reports.form().label("lblReport")->text();
    return static_cast<int>(QDialog::Accepted);
  };
  MainWindow& w = new_project();
  EXPECT_TRUE(w.form().button("btnReport")->isEnabled());
  EXPECT_TRUE(w.form().button("SSCommand3")->isEnabled());
  modal_windows.clear();
  messages.clear();
  w.btnReport_Click();
  EXPECT_TRUE(modal_windows.empty()) << "the fill waits for the timer";
  // The wait text lies over the help line and hides it: one text at a time.
  QLabel* wait = w.form().label("Label2");
  QLabel* help_line = w.form().label("lblInfo");
  ASSERT_TRUE(wait->isVisibleTo(&w.form()));
  ASSERT_FALSE(help_line->text().isEmpty());
  const QImage over = w.form().grab(wait->geometry()).toImage();
  help_line->hide();
  EXPECT_EQ(w.form().grab(wait->geometry()).toImage(), over);
  help_line->show();
  w.Timer1_Timer();
  ASSERT_FALSE(modal_windows.empty());
  EXPECT_EQ(modal_windows.back(), "Form5");
  EXPECT_EQ(shown, "Project Report");
  EXPECT_LE(messages.size(), 1u) << "one warning at most before the window";
  EXPECT_TRUE(state->windows.loaded(program_state::WindowId::Reports));
}

// A zoom set in the reports window is saved with the project: the Geo T bin and operating
// reports share theirs, Lock Zoom gives all eighteen. Opening the file again gives every report
// the run's levels of the default file, as every load does, and the bin views their own.
TEST_F(ReportsCommandTest, ReportZoomsGoIntoTheFileAndOpeningGivesTheRunsLevels) {
  register_windows(*state);
  const struct {
    const char* name;
    bool lock;
  } kRows[] = {{"the Geo T bin report at 155", false}, {"Lock Zoom at 155", true}};
  MainWindow& w = new_project();
  w.form().option("opGeoT3")->click();
  state->model.ProjectRec.BinZoom_GeoTBin = 150;
  const model::ProjectRec run_levels = testing::default_project();
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.name);
    on_modal["Form5"] = [&](QDialog& dialog) {
      auto& reports = dynamic_cast<reports::ReportsWindow&>(dialog);
      reports.menus().action("mnuGeoTbin")->trigger();
      reports.form().get<QScrollBar>("HscrZoom")->setValue(155);  // where a drag ends
      if (row.lock) reports.form().button("CommandZoomAll")->click();
      return static_cast<int>(QDialog::Accepted);
    };
    w.btnReport_Click();
    w.Timer1_Timer();
    save_as_new_file(w, project_path("zoom.pvn"));
    const auto saved = model::decode_record<model::ProjectRec>(
        model::testing::read_all(program_folder() / "zoom.pvn"));
    for (const reports::Report& r : reports::kReports) {
      const bool geo_t_bin = r.zoom == &model::ProjectRec::Zoom_GeoTBin ||
                             r.zoom == &model::ProjectRec::Zoom_GeoTOperating;
      EXPECT_EQ(saved.*r.zoom, row.lock || geo_t_bin ? 155 : run_levels.*r.zoom) << r.name;
    }
    answers[testing::kSaveQuestion] = platform::MessageResult::No;
    dialog_answers.push_back(project_path("zoom.pvn"));
    w.SSCOMMAND2_Click();
    for (const reports::Report& r : reports::kReports)
      EXPECT_EQ(state->model.ProjectRec.*r.zoom, run_levels.*r.zoom) << r.name;
    EXPECT_EQ(state->model.ProjectRec.BinZoom_GeoTBin, 150);
  }
}

// The dealer window's Save unloads the reports window; the workbook's control it held belongs to
// the analysis and serves the next reports window.
TEST_F(ReportsCommandTest, UnloadingTheReportsWindowKeepsTheWorkbooksControl) {
  register_windows(*state);
  sheet::view::SpreadsheetControl& control = state->analysis().F1Book1();
  for (int round = 0; round < 2; ++round) {
    QDialog* reports = state->windows.window(program_state::WindowId::Reports, *state);
    ASSERT_NE(reports, nullptr);
    EXPECT_NE(control.parentWidget(), nullptr);
    state->windows.unload(program_state::WindowId::Reports);
    EXPECT_EQ(control.parentWidget(), nullptr);
    EXPECT_GT(control.SheetCount(), 20);
  }
}

}  // namespace
}  // namespace pellavan::app
