#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/about_window.h"
#include "app/app_fixture.h"
#include "app/conventional_catalogues.h"
#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "app/startup_window.h"
#include "app/window_designs.h"
#include "reports/window/reports_window.h"
#include "update/desktop_update_ui.h"
#include "update/window/update_window.h"
#include "platform/design_checks.h"
#include "systems/geo/bin_viewer.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_window.h"
#include "systems/conventional/furnace_window.h"
#include "systems/conventional/heat_pump_window.h"

namespace pellavan::app {
namespace {

TEST(WindowDesignsTest, EveryDesignIsSound) {
  const platform::HelpTopicMap topics = platform::testing::shipped_topics();
  for (const platform::WindowDesign* design : window_designs())
    platform::testing::expect_sound_design(*design, topics);
}

class WindowBuildTest : public testing::AppFixture {};

TEST_F(WindowBuildTest, EveryWindowIsBuiltOnItsDesign) {
  update::DesktopWebBrowser browser;
  const update::UpdateNotice notice("1.0.00", "1.0.10", "http://127.0.0.1/", browser);
  // The system windows fill their lists from the built Data folder.
  AppState sample(std::filesystem::path(std::getenv("PELLAVAN_DATA_DIR")).parent_path());
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<StartupWindow>(*state));
  windows.push_back(std::make_unique<MainWindow>(*state));
  windows.push_back(std::make_unique<DisclaimerWindow>(*state));
  windows.push_back(std::make_unique<AboutWindow>(*state));
  windows.push_back(std::make_unique<DealerWindow>(*state));
  windows.push_back(std::make_unique<reports::ReportsWindow>(state->analysis().F1Book1(),
                                                             state->model, &state->help));
  windows.push_back(std::make_unique<update::UpdateWindow>(notice));
  windows.push_back(geo::make_geo_a_window(sample, nullptr));
  windows.push_back(geo::make_geo_b_window(sample, nullptr));
  windows.push_back(geo::make_geo_t_window(sample, nullptr));
  windows.push_back(std::make_unique<geo::BinViewer>(sample));
  testing::write_conventional_catalogues([this](const std::string& name, const auto& records) {
    write_bytes(name, catalogue_bytes(records));
  });
  windows.push_back(std::make_unique<systems::FurnaceWindow>(*state));
  windows.push_back(std::make_unique<systems::HeatPumpWindow>(*state));
  windows.push_back(std::make_unique<ProjectWindow>(*state));
  windows.push_back(std::make_unique<RatesWindow>(*state));
  const auto designs = window_designs();
  ASSERT_EQ(designs.size(), windows.size());
  for (std::size_t i = 0; i < designs.size(); ++i)
    EXPECT_EQ(windows[i]->objectName(), designs[i]->name);
}

}  // namespace
}  // namespace pellavan::app
