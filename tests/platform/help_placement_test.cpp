#include <gtest/gtest.h>

#include "platform/help_placement.h"

namespace pellavan::platform {
namespace {

TEST(HelpViewerGeometryTest, BesideTheWindowInsideTheScreen) {
  struct Row {
    const char* name;
    QRect window;
    QSize viewer;
    QRect screen;
    QRect at;
  };
  const QRect screen(0, 0, 1600, 1000);
  const Row rows[] = {
      {"room on the right", {100, 100, 400, 300}, {300, 200}, screen, {500, 100, 300, 200}},
      {"just room on the right", {100, 100, 400, 300}, {1100, 200}, screen, {500, 100, 1100, 200}},
      {"room on the left only", {900, 100, 600, 300}, {300, 200}, screen, {600, 100, 300, 200}},
      {"narrowed to the room on the right",
       {100, 100, 900, 300},
       {720, 200},
       screen,
       {1000, 100, 600, 200}},
      {"narrowed to the room on the left",
       {500, 100, 900, 300},
       {720, 200},
       screen,
       {0, 100, 500, 200}},
      {"no room: against the right edge",
       {200, 100, 1200, 300},
       {400, 200},
       screen,
       {1200, 100, 400, 200}},
      {"no room: against the left edge",
       {300, 100, 1250, 300},
       {400, 200},
       screen,
       {0, 100, 400, 200}},
      {"no room for a wide viewer: the narrowest",
       {200, 100, 1200, 300},
       {720, 200},
       screen,
       {1180, 100, 420, 200}},
      {"raised to stay on the screen",
       {100, 900, 400, 300},
       {300, 400},
       screen,
       {500, 600, 300, 400}},
      {"taller than the screen: as high as it",
       {100, 50, 400, 300},
       {300, 1200},
       screen,
       {500, 0, 300, 1000}},
      {"second screen",
       {1700, 50, 400, 300},
       {300, 200},
       {1600, 0, 1600, 1000},
       {2100, 50, 300, 200}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(help_viewer_geometry(r.window, r.viewer, r.screen), r.at);
  }
}

}  // namespace
}  // namespace pellavan::platform
