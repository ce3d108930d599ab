#include <gtest/gtest.h>

#include <memory>

#include "app/about_window.h"
#include "app/app_fixture.h"
#include "app/dealer_window.h"
#include "app/disclaimer_window.h"
#include "app/project_window.h"
#include "app/rates_window.h"
#include "app/startup_window.h"
#include "app/window_designs.h"
#include "platform/design_checks.h"

namespace pellavan::app {
namespace {

TEST(WindowDesignsTest, EveryDesignIsSound) {
  const platform::HelpTopicMap topics = platform::testing::shipped_topics();
  for (const platform::WindowDesign* design : window_designs())
    platform::testing::expect_sound_design(*design, topics);
}

class WindowBuildTest : public testing::AppFixture {};

TEST_F(WindowBuildTest, EveryWindowIsBuiltOnItsDesign) {
  std::vector<std::unique_ptr<QWidget>> windows;
  windows.push_back(std::make_unique<StartupWindow>(*state));
  windows.push_back(std::make_unique<MainWindow>(*state));
  windows.push_back(std::make_unique<DisclaimerWindow>(*state));
  windows.push_back(std::make_unique<AboutWindow>(*state));
  windows.push_back(std::make_unique<DealerWindow>(*state));
  windows.push_back(std::make_unique<ProjectWindow>(*state));
  windows.push_back(std::make_unique<RatesWindow>(*state));
  const auto designs = window_designs();
  ASSERT_EQ(designs.size(), windows.size());
  for (std::size_t i = 0; i < designs.size(); ++i)
    EXPECT_EQ(windows[i]->objectName(), designs[i]->name);
}

}  // namespace
}  // namespace pellavan::app
