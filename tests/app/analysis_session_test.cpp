// The program's analysis session on the built Data folder: a fill draws the charts, and a fill
// whose results are unusable shows one warning naming what failed.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QPushButton>
#include <QCheckBox>
#include <QTemporaryDir>
#include <set>
#include <string_view>
#include <vector>

#include "loads/calc/load_calculation.h"
#include "platform/window_test_support.h"
#include "poppler_tools.h"
#include "reports/window/reports_window.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"

#include "app/registrations.h"
#include "program_state/app_state.h"
#include "platform/message_box.h"
#include "projects/project_set.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "workbook/report_sheets.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

class AnalysisSessionTest : public pellavan::testing::SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    previous_ = platform::set_message_hook([this](const platform::MessageRequest& r) {
      messages.push_back(r);
      return platform::MessageResult::Ok;
    });
  }
  void TearDown() override {
    platform::set_message_hook(previous_);
    SampleDataTest::TearDown();
  }
  workbook::FillOutcome fill(program_state::AppState& state, const std::filesystem::path& project) {
    state.model.ProjectRec = workbook::read_project_for_analysis(project);
    state.analysis().Calc_Loads();
    return state.analysis().Fill_ReportWorkbook(
        nullptr, QString::fromStdString(project.filename().string()));
  }
  std::vector<platform::MessageRequest> messages;
  platform::MessageHook previous_;
};

TEST_F(AnalysisSessionTest, AFillDrawsTheChartsAndWarnsOnlyWhenTheResultsAreUnusable) {
  program_state::AppState state(model.program_folder);
  register_reports(state);  // the graphs, as the program hands them in
  EXPECT_TRUE(fill(state, path_of("Sample Project.pvn")).usable());
  EXPECT_TRUE(messages.empty());
  const sheet::Book& book = state.analysis().F1Book1().book();
  EXPECT_EQ(book.sheet(workbook::kPrgSheet - 1).pictures().size(), 1u) << "the comparison graph";
  EXPECT_EQ(book.sheet(workbook::kGagSheet - 1).pictures().size(), 1u) << "the Geo A bin graph";

  EXPECT_FALSE(fill(state, pellavan::testing::damaged_project("missing_furnace")).usable());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.contains("FossData.CEA has no record 77"))
      << messages[0].text.toStdString();
  EXPECT_EQ(messages[0].icon, platform::MessageIcon::Exclamation);
}

// The reports of a job the analysis cannot settle on name each range the warning names, on the
// pages that show the figures, in the batch print and in Print Screen alike.
TEST_F(AnalysisSessionTest, PrintedReportsNameTheRangesTheWarningNames) {
  program_state::AppState state(model.program_folder);
  register_reports(state);
  const auto house =
      wbdump::widest_cycle_house(model.program_folder, path_of("Sample Project.pvn"));
  ASSERT_TRUE(house) << "the large house settles in every city of the climate table";
  state.analysis().F1Book1().book() = wbdump::old_backup_template();
  state.model.ProjectRec = *house;
  state.analysis().Calc_Loads();
  loads::Min_Backup(state.model, state.analysis().loads());  // as the project window's Done
  state.analysis().Fill_ReportWorkbook(nullptr, QStringLiteral("Large.pvn"));
  ASSERT_EQ(messages.size(), 1u);
  const QStringList named = messages[0].text.split('\n');
  ASSERT_TRUE(named.front().startsWith("Geo A heating cost: between $"))
      << named.front().toStdString();

  QWidget* window = state.windows.window(program_state::WindowId::Reports, state);
  auto& reports = dynamic_cast<reports::ReportsWindow&>(*window);
  ASSERT_TRUE(platform::testing::show_and_activate(&reports));
  QTemporaryDir dir;
  QString pdf;
  reports.set_printer_prompt([&pdf](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
  });
  pdf = dir.filePath("batch.pdf");
  reports.form().button("Command11")->click();
  // The Project Report, then the Geo A summary and bin graph.
  const std::set<std::string_view> ticked = {"ckProject", "ckSummary", "ckBinGraph", "ckGeoA"};
  for (const char* name : {"ckTitle", "ckProject", "ckCompGraph", "ckSummary", "ckBin",
                           "ckBinGraph", "ckGeoA", "ckGeoB", "ckFurnace"}) {
    QCheckBox* box = reports.form().check_box(name);
    if (box->isChecked() != ticked.contains(name)) box->click();
  }
  reports.form().button("Command12")->click();
  pdf = dir.filePath("screen.pdf");
  reports.form().button("Command1")->click();  // the Project Report, where the batch ends
  const auto text = [&dir](const char* file, int page) {
    const QString p = QString::number(page);
    return pellavan::testing::run_poppler("pdftotext", {"-f", p, "-l", p, dir.filePath(file), "-"});
  };
  if (!text("batch.pdf", 1)) GTEST_SKIP() << "poppler-utils are not installed";
  const struct {
    const char* file;
    int page;
    bool named;
  } kPages[] = {{"batch.pdf", 1, true},   // the Project Report
                {"batch.pdf", 2, true},   // the Geo A summary
                {"batch.pdf", 3, false},  // its bin graph
                {"screen.pdf", 1, true}};
  for (const auto& page : kPages) {
    const QString shown = text(page.file, page.page).value_or("").simplified();
    for (const QString& line : named)
      EXPECT_EQ(shown.contains(line), page.named)
          << page.file << " " << page.page << ": " << line.toStdString();
  }
}

}  // namespace
}  // namespace pellavan::app
