#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/about_window.h"
#include "app/app_fixture.h"
#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/startup_window.h"
#include "app/window_designs.h"
#include "platform/design_checks.h"
#include "systems/geo/bin_viewer.h"
#include "systems/geo/geo_t_window.h"
#include "systems/geo/geo_window.h"

namespace pellavan::app {
namespace {

TEST(WindowDesignsTest, EveryDesignIsSound) {
  const platform::HelpTopicMap topics = platform::testing::shipped_topics();
  for (const platform::WindowDesign* design : window_designs())
    platform::testing::expect_sound_design(*design, topics);
}

class WindowBuildTest : public testing::AppFixture {};

TEST_F(WindowBuildTest, EveryWindowIsBuiltOnItsDesign) {
  // The system windows fill their lists from the built Data folder.
  AppState sample(std::filesystem::path(std::getenv("PELLAVAN_DATA_DIR")).parent_path());
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<StartupWindow>(*state));
  windows.push_back(std::make_unique<MainWindow>(*state));
  windows.push_back(std::make_unique<DisclaimerWindow>(*state));
  windows.push_back(std::make_unique<AboutWindow>(*state));
  windows.push_back(std::make_unique<DealerWindow>(*state));
  windows.push_back(geo::make_geo_a_window(sample, nullptr));
  windows.push_back(geo::make_geo_b_window(sample, nullptr));
  windows.push_back(geo::make_geo_t_window(sample, nullptr));
  windows.push_back(std::make_unique<geo::BinViewer>(sample));
  const auto designs = window_designs();
  ASSERT_EQ(designs.size(), windows.size());
  for (std::size_t i = 0; i < designs.size(); ++i)
    EXPECT_EQ(windows[i]->objectName(), designs[i]->name);
}

}  // namespace
}  // namespace pellavan::app
