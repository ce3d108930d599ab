#pragma once
// The 18 reports of the reports window. Each is a fixed block of one sheet of the analysis
// workbook with its menu entry, its captions, the project field its zoom is kept in and its help
// topic; a system's reports take their sheets, bin columns and zoom fields from the system table.
// A report's index is the report scroller's value; the table stands in index order.

#include <array>
#include <cstdint>
#include <string_view>

#include "model/project/system_kinds.h"
#include "model/records/project_rec.h"
#include "reports/chosen_systems.h"
#include "reports/report_block.h"

namespace pellavan::reports {

inline constexpr int kReportCount = 18;

// The figures of the analysis a report shows: its printed page names those among them the
// analysis could not settle on (page_notes.h).
enum class ShownFigures : std::uint8_t {
  kNone,
  kComparedCosts,  // the costs of every compared system
  kCosts,          // the costs of its system
  kCostsAndLoop,   // the costs and the loop length of its system
};

struct Report {
  int index;                      // 1..18
  std::string_view name;          // "Report_Project"
  std::string_view menu;          // the menu entry's name
  std::string_view menu_caption;  // its caption
  std::string_view caption;       // what lblReport reads while the report is shown
  ReportBlock block;
  bool graph;                // graph reports show and print columns B to O in both modes
  model::SystemType system;  // NoSystem: always enabled
  model::Int16 model::ProjectRec::*zoom;
  model::Int16 default_zoom;  // what a project without zoom levels gets
  int help;                   // help topic of the menu entry; 0 for none
  ShownFigures figures = ShownFigures::kNone;
};

namespace detail {
using model::ProjectRec;
using enum model::SystemType;
inline constexpr Columns B_N{2, 14}, B_O{2, 15}, P_AB{16, 28}, Q_AD{17, 30};
inline constexpr int kGraphLastRow = 48;

// What a report of a system has of its own; its sheet, columns and zoom field come from the
// system table.
struct ReportWords {
  int index;
  std::string_view name, menu, menu_caption, caption;
  model::Int16 default_zoom;
  int help;
};

constexpr Report system_report(const ReportWords& w, ReportBlock block, bool graph,
                               const model::SystemKind& system, model::Int16 ProjectRec::*zoom,
                               ShownFigures figures) {
  return {w.index, w.name,      w.menu, w.menu_caption, w.caption, block,
          graph,   system.type, zoom,   w.default_zoom, w.help,    figures};
}

// The summary sheet, in B:O and its metric copy in Q:AD.
constexpr Report summary_report(const ReportWords& w, const model::SystemKind& system,
                                int last_row) {
  return system_report(w, {system.summary_sheet, last_row, B_O, Q_AD}, false, system,
                       system.zooms.summary, ShownFigures::kCostsAndLoop);
}

// The block of the bin viewer's view. The bin report's cost columns add up to the system's costs;
// the Geo T operating report shows none.
constexpr Report bin_report(const ReportWords& w, const model::SystemKind& system,
                            model::BinViewId view, model::Int16 ProjectRec::*zoom) {
  const model::BinView& v = *model::bin_view(view);
  const Columns imperial{v.first_column(false), v.last_column(false)};
  const Columns metric{v.first_column(true), v.last_column(true)};
  return system_report(w, {v.sheet, model::BinView::kRows, imperial, metric}, false, system, zoom,
                       view == system.bin_view ? ShownFigures::kCosts : ShownFigures::kNone);
}

constexpr Report graph_report(const ReportWords& w, const model::SystemKind& system) {
  return system_report(w, {system.graph_sheet, kGraphLastRow, B_O, B_O}, true, system,
                       system.zooms.graph, ShownFigures::kNone);
}
}  // namespace detail

inline constexpr std::array<Report, kReportCount> kReports = [] {
  using namespace detail;
  using model::BinViewId;
  using model::kFurnace, model::kGeoA, model::kGeoB, model::kGeoT, model::kHeatPump;
  return std::array<Report, kReportCount>{{
      // The project report runs to row 51, where its print date stands.
      {1,
       "Report_Project",
       "mnuProject",
       "Project Report",
       "Project Report",
       {9, 51, B_N, P_AB},
       false,
       NoSystem,
       &ProjectRec::Zoom_Project,
       95,
       920,
       ShownFigures::kComparedCosts},
      {2,
       "Report_ProjectGraph",
       "mnuProjectGraph",
       "Project Comparison Graph",
       "Project Comparison Graph",
       {20, kGraphLastRow, B_O, B_O},
       true,
       NoSystem,
       &ProjectRec::Zoom_ProjectGraph,
       105,
       910,
       ShownFigures::kComparedCosts},
      summary_report({3, "Report_GeoTSummary", "mnuGeoTperf", "Geo T Summary Report",
                      "Geo T Summary Report", 85, 870},
                     kGeoT, 59),
      bin_report(
          {4, "Report_GeoTBin", "mnuGeoTbin", "Geo T Bin Report", "Geo T Bin Report", 115, 880},
          kGeoT, BinViewId::GeoTBin, kGeoT.zooms.bin),
      bin_report({5, "Report_GeoTOperating", "mnuGeoTop", "Geo T Operating Report",
                  "Geo T Operating Report", 115, 0},
                 kGeoT, BinViewId::GeoTOp, kGeoT.zooms.operating),
      graph_report(
          {6, "Report_GeoTGraph", "mnuGeoTGraph", "Geo T Bin Graph", "Geo T Bin Graph", 100, 880},
          kGeoT),
      summary_report({7, "Report_GeoASummary", "mnuGeoAPerf", "Geo A Summary Report",
                      "Geo A Summary Report", 85, 870},
                     kGeoA, 59),
      bin_report(
          {8, "Report_GeoABin", "mnuGeoAbin", "Geo A Bin Report", "Geo A Bin Report", 115, 890},
          kGeoA, kGeoA.bin_view, kGeoA.zooms.bin),
      graph_report(
          {9, "Report_GeoAGraph", "mnuGeoAGraph", "Geo A Bin Graph", "Geo A Bin Graph", 100, 880},
          kGeoA),
      summary_report({10, "Report_GeoBSummary", "mnuGeoBperf", "Geo B Summary Report",
                      "Geo B Summary Report", 85, 870},
                     kGeoB, 59),
      bin_report(
          {11, "Report_GeoBBin", "mnuGeoBbin", "Geo B Bin Report", "Geo B Bin Report", 115, 880},
          kGeoB, kGeoB.bin_view, kGeoB.zooms.bin),
      graph_report(
          {12, "Report_GeoBGraph", "mnuGeoBGraph", "Geo B Bin Graph", "Geo B Bin Graph", 100, 880},
          kGeoB),
      summary_report({13, "Report_HeatPumpSummary", "mnuElecPerf", "Heat Pump Summary Report",
                      "Heat Pump Summary Report", 100, 850},
                     kHeatPump, 51),
      bin_report({14, "Report_HeatPumpBin", "MnuElecbin", "Heat Pump Bin Report",
                  "Heat Pump Report", 115, 900},
                 kHeatPump, kHeatPump.bin_view, kHeatPump.zooms.bin),
      graph_report({15, "Report_HeatPumpGraph", "mnuHeatPumpGraph", "Heat Pump Bin Graph",
                    "Heat Pump Bin Graph", 100, 2900},
                   kHeatPump),
      summary_report({16, "Report_FurnaceSummary", "mnuFossPerf", "Furnace/Boiler Summary Report",
                      "Furnace/Boiler Summary Report", 115, 840},
                     kFurnace, 43),
      bin_report({17, "Report_FurnaceBin", "mnuFossilbin", "Furnace/Boiler Bin Report",
                  "Furnace/Boiler Bin Report", 115, 2890},
                 kFurnace, kFurnace.bin_view, kFurnace.zooms.bin),
      graph_report({18, "Report_FurnaceGraph", "mnuFurnaceGraph", "Furnace/Boiler Bin Graph",
                    "Furnace/Boiler Bin Graph", 100, 2910},
                   kFurnace),
  }};
}();

// The menu lists the Geo A and Geo B reports before the Geo T ones.
inline constexpr std::array<int, kReportCount> kMenuOrder = {1, 2, 7, 8,  9,  10, 11, 12, 3,
                                                             4, 5, 6, 13, 14, 15, 16, 17, 18};

// The reports the window sets up, enabled or not, each time it is shown: every one but the Geo T
// operating report, ending on the project report.
inline constexpr std::array<int, kReportCount - 1> kSetUpOrder = {2, 7,  8,  9,  10, 11, 12, 3, 4,
                                                                  6, 13, 14, 15, 16, 17, 18, 1};

inline constexpr int kProjectReport = 1;

// The report of scroller value `index`; std::out_of_range outside 1..18.
const Report& report(int index);

// Its menu entry is enabled: it belongs to no system or to one chosen in a comparison column.
[[nodiscard]] inline bool report_enabled(const Report& r, const ChosenSystems& chosen) {
  return chosen.has(r.system);
}

}  // namespace pellavan::reports
