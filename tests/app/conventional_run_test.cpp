// A run of the furnace/boiler and heat-pump windows on the built Data folder: the fill from the
// run timer, the compact result block shown, and one warning when the results are unusable.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "program_state/app_state.h"
#include "loads/calc/load_calculation.h"
#include "platform/message_box.h"
#include "platform/window_test_support.h"
#include "projects/project_set.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "workbook/report_sheets.h"
#include "workbook/unmet_display.h"
#include "program_state/analysis_session.h"

namespace pellavan::app {
namespace {

class ConventionalRunTest : public pellavan::testing::SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    previous_ = platform::set_message_hook([this](const platform::MessageRequest& r) {
      messages.push_back(r);
      return platform::MessageResult::Ok;
    });
    state = std::make_unique<program_state::AppState>(model.program_folder);
    state->LogoFile = QStringLiteral("GeoLogo.bmp");
  }
  void TearDown() override {
    state.reset();
    platform::set_message_hook(previous_);
    SampleDataTest::TearDown();
  }
  void open_project(const std::filesystem::path& path) {
    state->model.ProjectRec = workbook::read_project_for_analysis(path);
    state->analysis().Calc_Loads();
    loads::Min_Backup(state->model, state->analysis().loads());
  }
  template <class W>
  void run(W& w) {
    w.show();
    w.cmdRun_Click();
    ASSERT_TRUE(w.Timer1().isActive())
        << "refused: " << (messages.empty() ? "" : messages[0].text.toStdString());
    w.Timer1_Timer();
  }
  std::unique_ptr<program_state::AppState> state;
  std::vector<platform::MessageRequest> messages;
  platform::MessageHook previous_;
};

TEST_F(ConventionalRunTest, RunShowsTheCompactBlockOnItsSheet) {
  open_project(path_of("Sample Project.pvn"));
  struct Case {
    int sheet;
    std::unique_ptr<systems::ConventionalFrame> window;
  };
  Case cases[] = {{workbook::kFuqSheet, std::make_unique<systems::FurnaceWindow>(*state)},
                  {workbook::kAaqSheet, std::make_unique<systems::HeatPumpWindow>(*state)}};
  for (Case& c : cases) {
    if (auto* f = dynamic_cast<systems::FurnaceWindow*>(c.window.get()))
      run(*f);
    else
      run(*dynamic_cast<systems::HeatPumpWindow*>(c.window.get()));
    const auto& view = c.window->result_view();
    EXPECT_TRUE(view.isVisibleTo(c.window.get()));
    EXPECT_EQ(view.ActiveSheet(), c.sheet);
    EXPECT_FALSE(view.GetCellText(6, 2).empty()) << "the block holds results";
    EXPECT_FALSE(c.window->form().button("cmdRun")->isEnabled());
    EXPECT_TRUE(c.window->form().button("cmdDone")->isEnabled());
    EXPECT_TRUE(c.window->form().button("BtnBin")->isEnabled());
  }
  EXPECT_TRUE(messages.empty()) << messages[0].text.toStdString();
}

// A project whose loads failed shows the load message at Run, not results of other loads.
TEST_F(ConventionalRunTest, RunOnLoadsThatFailedShowsTheLoadMessage) {
  open_project(path_of("Sample Project.pvn"));
  state->model.ProjectRec.Loads_HeatDeltaT = 0;  // from a file: no house balances on it
  ASSERT_FALSE(state->analysis().Calc_Project_Loads().valid());
  std::unique_ptr<systems::ConventionalFrame> windows[] = {
      std::make_unique<systems::FurnaceWindow>(*state),
      std::make_unique<systems::HeatPumpWindow>(*state)};
  for (auto& w : windows) {
    messages.clear();
    if (auto* f = dynamic_cast<systems::FurnaceWindow*>(w.get()))
      run(*f);
    else
      run(*dynamic_cast<systems::HeatPumpWindow*>(w.get()));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text.toStdString(), std::string(loads::kLoadsInvalidMessage) + "\n\n" +
                                                  std::string(loads::kLoadsInvalidAdvice));
    EXPECT_FALSE(w->result_view().isVisibleTo(w.get()));
    EXPECT_TRUE(w->form().button("cmdRun")->isEnabled());
    EXPECT_FALSE(w->form().button("BtnBin")->isEnabled());
  }
}

TEST_F(ConventionalRunTest, UnusableResultsShowOneWarning) {
  open_project(pellavan::testing::damaged_project("missing_furnace"));
  systems::HeatPumpWindow w(*state);
  run(w);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.contains("FossData.CEA has no record 77"))
      << messages[0].text.toStdString();
}

// After a click on Run the panel of a system too small for its house says what share of each use
// it meets and how much it leaves, as its summary does; the panel of one that meets it says none.
TEST_F(ConventionalRunTest, RunShowsTheLoadASystemLeavesUnmet) {
  using workbook::testing::UnmetRows;
  const std::filesystem::path houston = pellavan::testing::set_project_file("houston_geo_t");
  struct Case {
    const char* name;
    std::filesystem::path project;
    bool heat_pump;
    bool metric;
    UnmetRows heating;
    bool unmet;  // cooling unmet, which its summary names
  };
  const Case cases[] = {
      {"undersized heat pump", houston, true, false, {"Heating", 2, 12, "I24"}, true},
      {"undersized air conditioner", houston, false, true, {"Heating", 2, 5, "I16"}, true},
      {"the sample's furnace",
       path_of("Sample Project.pvn"),
       false,
       false,
       {"Heating", 2, 5, "I16"},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    open_project(c.project);
    state->model.MetricFlag(model::kMetricDisplay) = c.metric ? -1 : 0;
    std::unique_ptr<systems::ConventionalFrame> w;
    if (c.heat_pump)
      w = std::make_unique<systems::HeatPumpWindow>(*state);
    else
      w = std::make_unique<systems::FurnaceWindow>(*state);
    ASSERT_TRUE(platform::testing::show_and_activate(w.get()));
    QTest::mouseClick(w->form().button("cmdRun"), Qt::LeftButton);
    if (auto* f = dynamic_cast<systems::FurnaceWindow*>(w.get()))
      f->Timer1_Timer();
    else
      dynamic_cast<systems::HeatPumpWindow*>(w.get())->Timer1_Timer();
    ASSERT_TRUE(w->result_view().isVisibleTo(w.get()));
    const int panel = c.heat_pump ? workbook::kAaqSheet : workbook::kFuqSheet;
    const int summary = c.heat_pump ? workbook::kAasSheet : workbook::kFusSheet;
    const UnmetRows cooling{"Cooling", 13, 16, c.heat_pump ? "I32" : "I24"};
    const sheet::Book& book = w->result_view().book();
    EXPECT_EQ(workbook::testing::shown(book, summary, cooling.sentence).empty(), !c.unmet);
    for (const UnmetRows& u : {c.heating, cooling})
      workbook::testing::expect_panel_names_unmet(book, panel, summary, c.metric, u);
  }
}

}  // namespace
}  // namespace pellavan::app
