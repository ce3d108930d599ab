// The main window's Reports command once the reports window and the fill are registered: the
// timer fills the workbook, shows at most one warning about the results, and then shows the
// reports window modally on the Project Report. "&Check for Updates" is enabled with them.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "app/app_fixture.h"
#include "app/program.h"
#include "reports/window/reports_window.h"

namespace pellavan::app {
namespace {

class ReportsCommandTest : public testing::AppFixture {};

TEST_F(ReportsCommandTest, TheTimerFillsAndShowsTheReportsWindowOnTheProjectReport) {
  register_later_windows(*state);
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
  EXPECT_TRUE(state->windows.loaded(WindowId::Reports));
}

// The dealer window's Save unloads the reports window; the workbook's control it held belongs to
// the analysis and serves the next reports window.
TEST_F(ReportsCommandTest, UnloadingTheReportsWindowKeepsTheWorkbooksControl) {
  register_later_windows(*state);
  sheet::view::SpreadsheetControl& control = state->analysis().F1Book1();
  for (int round = 0; round < 2; ++round) {
    QDialog* reports = state->windows.window(WindowId::Reports, *state);
    ASSERT_NE(reports, nullptr);
    EXPECT_NE(control.parentWidget(), nullptr);
    state->windows.unload(WindowId::Reports);
    EXPECT_EQ(control.parentWidget(), nullptr);
    EXPECT_GT(control.SheetCount(), 20);
  }
}

}  // namespace
}  // namespace pellavan::app
