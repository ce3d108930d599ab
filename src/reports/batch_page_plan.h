#pragma once
// The pages of a batch print in their fixed order: the title page, the project report, the
// comparison graph, then for each ticked system (Geo T, Geo A, Geo B, heat pump, furnace/boiler)
// its summary, its bin report (Geo T also its operating report) and its bin graph, each when its
// page-kind box is ticked. Every page but the title page carries "Page n" in a cell of its row 2
// while it prints, numbered 1, 2, ... in print order.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reports/page_notes.h"
#include "reports/print_options.h"
#include "reports/report_block.h"
#include "reports/report_table.h"

namespace pellavan::reports {

inline constexpr int kPageNumberRow = 2;

struct BatchPage {
  std::string_view name;  // "Report_TitlePage"
  ReportBlock block;
  PrintBox box;     // the page's box; for a system's page its page-kind box
  PrintBox system;  // the system's box; the page's box again for pages of no system
  // The page-number cell's column in each copy; empty for the unnumbered title page. It is the
  // block's second-to-last column but on the metric heat-pump bin report (BI, its last).
  std::string_view number_imperial;
  std::string_view number_metric;
  bool sets_zoom;                  // the view takes the zoom bar's level before the page prints
  bool clears_grid_lines;          // setting 80 is set False again before the page prints
  const Report* report = nullptr;  // none for the title page
};

inline constexpr std::array<BatchPage, 19> kBatchPages = [] {
  using enum PrintBox;
  const auto& r = kReports;
  return std::array<BatchPage, 19>{{
      {"Report_TitlePage", {8, 46, {2, 14}, {2, 14}}, kTitle, kTitle, "", "", false, false},
      {"Report_Project", r[0].block, kProject, kProject, "M", "AA", false, false, &r[0]},
      {"Report_ProjectGraph", r[1].block, kCompGraph, kCompGraph, "N", "N", false, false, &r[1]},
      {"Report_GeoTSummary", r[2].block, kSummary, kGeoT, "N", "AC", true, false, &r[2]},
      {"Report_GeoTBin", r[3].block, kBin, kGeoT, "CY", "DM", true, true, &r[3]},
      {"Report_GeoTOperating", r[4].block, kBin, kGeoT, "EA", "EO", true, true, &r[4]},
      {"Report_GeoTGraph", r[5].block, kBinGraph, kGeoT, "N", "N", true, false, &r[5]},
      {"Report_GeoASummary", r[6].block, kSummary, kGeoA, "N", "AC", false, false, &r[6]},
      {"Report_GeoABin", r[7].block, kBin, kGeoA, "BK", "BY", true, true, &r[7]},
      {"Report_GeoAGraph", r[8].block, kBinGraph, kGeoA, "N", "N", true, false, &r[8]},
      {"Report_GeoBSummary", r[9].block, kSummary, kGeoB, "N", "AC", true, false, &r[9]},
      {"Report_GeoBBin", r[10].block, kBin, kGeoB, "BK", "BY", true, true, &r[10]},
      {"Report_GeoBGraph", r[11].block, kBinGraph, kGeoB, "N", "N", true, false, &r[11]},
      {"Report_HeatPumpSummary", r[12].block, kSummary, kHeatPump, "N", "AC", true, false, &r[12]},
      {"Report_HeatPumpBin", r[13].block, kBin, kHeatPump, "AT", "BI", true, true, &r[13]},
      {"Report_HeatPumpGraph", r[14].block, kBinGraph, kHeatPump, "N", "N", true, false, &r[14]},
      {"Report_FurnaceSummary", r[15].block, kSummary, kFurnace, "N", "AC", true, false, &r[15]},
      {"Report_FurnaceBin", r[16].block, kBin, kFurnace, "AH", "AV", true, true, &r[16]},
      {"Report_FurnaceGraph", r[17].block, kBinGraph, kFurnace, "N", "N", true, false, &r[17]},
  }};
}();

struct PlannedPage {
  const BatchPage* page;
  Columns columns;         // of the copy the unit mode prints
  std::string print_area;  // "B1:O59"
  int number_col = 0;      // 1-based; 0 for the title page
  std::string number;      // "Page 3"; empty for the title page
  std::string status;      // the status line while it prints: "Print Pellavan T Summary Report"
  std::vector<std::string> notes;  // printed under its block (page_notes.h)
};

// The pages the ticked boxes of `options` print, in print order, with the metric copies when
// `metric`, each with the notes of the figures it shows that are `unsettled`. Nothing ticked: no
// pages.
[[nodiscard]] std::vector<PlannedPage> plan_batch(const PrintOptions& options, bool metric,
                                                  const UnsettledFigures& unsettled = {});

}  // namespace pellavan::reports
