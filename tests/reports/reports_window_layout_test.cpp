// The reports window's resize: the sheet takes the window but its margins, the bar keeps its
// height at the bottom, the panel is centred; a client area below the margins moves nothing
// but the panel.
#include <gtest/gtest.h>

#include "reports/reports_window_layout.h"

namespace pellavan::reports {
namespace {

TEST(ReportsWindowLayout, TheSheetTakesWhatTheBarLeaves) {
  const ReportsLayout design{
      {0, 0, 19100, 11125}, {0, 11100, 19200, 600}, {6065, 4400, 7075, 2900}};
  struct Row {
    const char* name;
    int client_width, client_height, window_width, window_height;
    ReportsLayout expected;
  };
  const Row rows[] = {
      {"design size",
       19200,
       11700,
       19380,
       12400,
       {design.sheet, design.bar, {6152, 4750, 7075, 2900}}},
      {"maximised",
       24000,
       14500,
       24000,
       15000,
       {{0, 0, 23900, 13925}, {0, 13900, 24000, 600}, {8462, 6050, 7075, 2900}}},
      {"smaller",
       9000,
       5000,
       9180,
       5700,
       {{0, 0, 8900, 4425}, {0, 4400, 9000, 600}, {1052, 1400, 7075, 2900}}},
      {"at the margins",
       100,
       600,
       280,
       1300,
       {{0, 0, 0, 25}, {0, 0, 100, 600}, {-3397, -800, 7075, 2900}}},
      {"minimised", 90, 300, 270, 1000, {design.sheet, design.bar, {-3402, -950, 7075, 2900}}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(
        resized_layout(design, r.client_width, r.client_height, r.window_width, r.window_height),
        r.expected)
        << r.name;
}

}  // namespace
}  // namespace pellavan::reports
