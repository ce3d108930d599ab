// The print options restored from and stored into the project, and the pages a batch print
// plans from them: order, page numbers and their cells, status lines.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "reports/batch_page_plan.h"
#include "reports/print_options.h"
#include "sheet/address.h"

namespace pellavan::reports {
namespace {

using model::SystemType;
using enum PrintBox;

// The panel of a project whose columns choose `systems` and whose print fields tick `boxes`.
PrintOptions panel(std::initializer_list<PrintBox> boxes,
                   std::initializer_list<SystemType> systems) {
  model::ProjectRec rec;
  model::Int16* columns[] = {&rec.System1_Type, &rec.System2_Type, &rec.System3_Type};
  int n = 0;
  for (const SystemType s : systems) *columns[n++] = model::code_of(s);
  for (const PrintBox b : boxes) rec.*print_box(b).field = 1;
  PrintOptions options;
  options.restore(rec);
  return options;
}

constexpr std::initializer_list<PrintBox> kEveryBox = {kTitle, kProject,  kCompGraph, kSummary,
                                                       kBin,   kBinGraph, kGeoT,      kGeoA,
                                                       kGeoB,  kHeatPump, kFurnace};

// A planned page as "name number cell", e.g. "Report_Project Page 1 M2"; the title page
// "Report_TitlePage".
std::vector<std::string> described(const std::vector<PlannedPage>& plan) {
  std::vector<std::string> lines;
  for (const PlannedPage& p : plan) {
    std::string line(p.page->name);
    if (p.number_col > 0)
      line += " " + p.number + " " + sheet::format_a1(kPageNumberRow - 1, p.number_col - 1);
    lines.push_back(line);
  }
  return lines;
}

struct PlanCase {
  const char* name;
  std::initializer_list<PrintBox> boxes;
  std::initializer_list<SystemType> systems;
  bool metric;
  std::vector<std::string> pages;
};

TEST(BatchPagePlanTest, PagesInOrderWithTheirNumbers) {
  const PlanCase kCases[] = {
      {"every box, Geo T, Geo A and heat pump chosen in any column order",
       kEveryBox,
       {SystemType::Elec, SystemType::GeoA, SystemType::GeoT},
       false,
       {"Report_TitlePage", "Report_Project Page 1 M2", "Report_ProjectGraph Page 2 N2",
        "Report_GeoTSummary Page 3 N2", "Report_GeoTBin Page 4 CY2",
        "Report_GeoTOperating Page 5 EA2", "Report_GeoTGraph Page 6 N2",
        "Report_GeoASummary Page 7 N2", "Report_GeoABin Page 8 BK2", "Report_GeoAGraph Page 9 N2",
        "Report_HeatPumpSummary Page 10 N2", "Report_HeatPumpBin Page 11 AT2",
        "Report_HeatPumpGraph Page 12 N2"}},
      {"comparison graph alone", {kCompGraph}, {}, false, {"Report_ProjectGraph Page 1 N2"}},
      {"comparison graph alone, metric", {kCompGraph}, {}, true, {"Report_ProjectGraph Page 1 N2"}},
      {"nothing ticked", {}, {SystemType::GeoA}, false, {}},
      {"title page alone", {kTitle}, {}, false, {"Report_TitlePage"}},
      {"title and project, metric",
       {kTitle, kProject},
       {},
       true,
       {"Report_TitlePage", "Report_Project Page 1 AA2"}},
      {"Geo T bin reports, metric",
       {kBin, kGeoT},
       {SystemType::GeoT},
       true,
       {"Report_GeoTBin Page 1 DM2", "Report_GeoTOperating Page 2 EO2"}},
      {"heat-pump bin report, metric: its last column",
       {kBin, kHeatPump},
       {SystemType::Elec},
       true,
       {"Report_HeatPumpBin Page 1 BI2"}},
      {"a system box without page kinds", {kGeoA}, {SystemType::GeoA}, false, {}},
      {"page kinds without a system box",
       {kSummary, kBin, kBinGraph, kProject},
       {SystemType::GeoA},
       false,
       {"Report_Project Page 1 M2"}},
      {"a system not chosen stays off",
       {kSummary, kGeoB, kFurnace},
       {SystemType::Fossil},
       false,
       {"Report_FurnaceSummary Page 1 N2"}},
  };
  for (const PlanCase& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(described(plan_batch(panel(c.boxes, c.systems), c.metric)), c.pages);
  }
}

TEST(BatchPagePlanTest, StatusLinesAndPrintAreas) {
  const auto plan =
      plan_batch(panel(kEveryBox, {SystemType::GeoT, SystemType::Elec, SystemType::Fossil}), true);
  ASSERT_EQ(plan.size(), 13u);
  EXPECT_EQ(plan[0].status, "Print Title Page");
  EXPECT_EQ(plan[2].status, "Print Comparison Graph");
  EXPECT_EQ(plan[3].status, "Print Pellavan T Summary Report");
  EXPECT_EQ(plan[8].status, "Print Heat Pump  Bin Report");
  EXPECT_EQ(plan[12].status, "Print Furnace/Boiler  Bin Graph");
  EXPECT_EQ(plan[3].print_area, "Q1:AD59");
  EXPECT_EQ(plan[8].print_area, "AW1:BI45");
  EXPECT_EQ(plan[10].print_area, "Q1:AD43");
}

// The number cell lies in the printed block: its second-to-last column, but on the metric
// heat-pump bin report its last.
TEST(BatchPagePlanTest, NumberCellsLieInTheirBlocks) {
  for (const BatchPage& page : kBatchPages) {
    if (page.number_imperial.empty()) continue;
    for (const bool metric : {false, true}) {
      SCOPED_TRACE(std::string(page.name) + (metric ? " metric" : ""));
      const int col =
          *sheet::column_from_name(metric ? page.number_metric : page.number_imperial) + 1;
      const bool last = metric && page.name == "Report_HeatPumpBin";
      EXPECT_EQ(col, page.block.columns(metric).last - (last ? 0 : 1));
    }
  }
}

TEST(PrintOptionsTest, UnchosenSystemsAreDisabledAndTheirTicksDropped) {
  model::ProjectRec rec;
  rec.System1_Type = model::code_of(SystemType::GeoA);
  rec.System3_Type = model::code_of(SystemType::GeoA);
  rec.Print_GeoA = 1;
  rec.Print_GeoB = 1;
  rec.Print_Bin = 2;  // greyed
  rec.Print_BlackWhite = 1;
  PrintOptions options;
  options.restore(rec);
  EXPECT_EQ(rec.Print_GeoB, 0) << "dropped from the project";
  EXPECT_FALSE(options.box(kGeoB).enabled);
  EXPECT_FALSE(options.ticked(kGeoB));
  EXPECT_TRUE(options.ticked(kGeoA));
  EXPECT_FALSE(options.ticked(kBin)) << "a greyed box is not ticked";
  EXPECT_TRUE(options.BlackWhite);

  options.set_value(kGeoB, 1);  // disabled: no effect
  options.set_value(kTitle, 1);
  options.BlackWhite = false;
  options.store(rec);
  EXPECT_EQ(rec.Print_GeoB, 0);
  EXPECT_EQ(rec.Print_Title, 1);
  EXPECT_EQ(rec.Print_Bin, 2);
  EXPECT_EQ(rec.Print_BlackWhite, 0);
}

}  // namespace
}  // namespace pellavan::reports
