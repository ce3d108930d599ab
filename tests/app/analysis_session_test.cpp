// The program's analysis session on the built Data folder: a fill draws the charts, and a fill
// whose results are unusable shows one warning naming what failed.
#include <gtest/gtest.h>

#include <vector>

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

}  // namespace
}  // namespace pellavan::app
