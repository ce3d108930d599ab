#include <gtest/gtest.h>

#include "sheet_view/print_plan.h"

namespace pellavan::sheet::view {
namespace {

constexpr double kPageWidth = 7.0 * 96;   // letter inside margins of 0.75 inch
constexpr double kPageHeight = 9.0 * 96;  // and 1 inch

struct PlanRow {
  const char* name;
  const char* area;
  int scale;
  bool fit;
  int wide, tall;
  double expected_scale;
  std::vector<const char*> pages;
};

TEST(PrintPlan, FitsShrinksNeverEnlargesAndSplitsWhatDoesNotFit) {
  const PlanRow rows[] = {
      {"fits at 100 %", "A1:J50", 100, true, 1, 1, 1.0, {"A1:J50"}},
      {"a small area is not enlarged", "B2:C3", 100, true, 1, 1, 1.0, {"B2:C3"}},
      {"shrinks onto one page", "A1:T100", 100, true, 1, 1, kPageHeight / 1700.0, {"A1:T100"}},
      {"without fitting: down, then across",
       "A1:T100",
       100,
       false,
       1,
       1,
       1.0,
       {"A1:J50", "A51:J100", "K1:T50", "K51:T100"}},
      {"at half the size", "A1:T100", 50, false, 1, 1, 0.5, {"A1:T100"}},
      {"two pages wide, any number tall",
       "A1:T100",
       100,
       true,
       2,
       0,
       1.0,
       {"A1:J50", "A51:J100", "K1:T50", "K51:T100"}},
      {"below the smallest scale", "A1:IV400", 100, true, 1, 1, kMinPrintScale, {}},
  };
  Sheet sheet("main");
  GridMetrics metrics;
  for (const PlanRow& r : rows) {
    SCOPED_TRACE(r.name);
    PrintSettings settings;
    settings.scale_percent = r.scale;
    settings.fit = r.fit;
    settings.pages_wide = r.wide;
    settings.pages_tall = r.tall;
    const PrintPlan plan =
        plan_print(sheet, *parse_a1_range(r.area), metrics, settings, kPageWidth, kPageHeight);
    EXPECT_NEAR(plan.scale, r.expected_scale, 1e-9);
    if (r.pages.empty()) {
      EXPECT_GT(plan.pages.size(), 1u);
      continue;
    }
    ASSERT_EQ(plan.pages.size(), r.pages.size());
    for (std::size_t i = 0; i < r.pages.size(); ++i)
      EXPECT_EQ(format_a1_range(plan.pages[i]), r.pages[i]);
  }
}

TEST(PrintPlan, TheAreaIsTheOneSetElseWhatTheSheetUses) {
  Book book;
  book.add_sheet("main");
  PrintSettings settings;
  EXPECT_EQ(format_a1_range(print_area_of(book, 0, settings)), "A1");
  book.set_cell_text(CellPos{0, 4, 2}, "x");
  book.set_cell_text(CellPos{0, 1, 3}, "y");
  EXPECT_EQ(format_a1_range(print_area_of(book, 0, settings)), "C2:D5");
  settings.area = parse_a1_range("B1:N50");
  EXPECT_EQ(format_a1_range(print_area_of(book, 0, settings)), "B1:N50");
}

}  // namespace
}  // namespace pellavan::sheet::view
