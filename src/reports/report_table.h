#pragma once
// The 18 reports of the reports window. Each is a fixed block of one sheet of the analysis
// workbook with its menu entry, its captions, the project field its zoom is kept in (a system's
// report: from the system table) and its help topic. A report's index is the report scroller's
// value; the table stands in index order.

#include <array>
#include <string_view>

#include "model/project/system_kinds.h"
#include "model/records/project_rec.h"
#include "reports/chosen_systems.h"
#include "reports/report_block.h"

namespace pellavan::reports {

inline constexpr int kReportCount = 18;

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
};

namespace detail {
using model::ProjectRec;
using enum model::SystemType;
inline constexpr Columns B_N{2, 14}, B_O{2, 15}, P_AB{16, 28}, Q_AD{17, 30};
}  // namespace detail

inline constexpr std::array<Report, kReportCount> kReports = [] {
  using namespace detail;
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
       920},
      {2,
       "Report_ProjectGraph",
       "mnuProjectGraph",
       "Project Comparison Graph",
       "Project Comparison Graph",
       {20, 48, B_O, B_O},
       true,
       NoSystem,
       &ProjectRec::Zoom_ProjectGraph,
       105,
       910},
      {3,
       "Report_GeoTSummary",
       "mnuGeoTperf",
       "Geo T Summary Report",
       "Geo T Summary Report",
       {26, 59, B_O, Q_AD},
       false,
       GeoT,
       model::kGeoT.zooms.summary,
       85,
       870},
      {4,
       "Report_GeoTBin",
       "mnuGeoTbin",
       "Geo T Bin Report",
       "Geo T Bin Report",
       {25, 45, {92, 104}, {106, 118}},
       false,
       GeoT,
       model::kGeoT.zooms.bin,
       115,
       880},
      {5,
       "Report_GeoTOperating",
       "mnuGeoTop",
       "Geo T Operating Report",
       "Geo T Operating Report",
       {25, 45, {120, 132}, {134, 146}},
       false,
       GeoT,
       model::kGeoT.zooms.operating,
       115,
       0},
      {6,
       "Report_GeoTGraph",
       "mnuGeoTGraph",
       "Geo T Bin Graph",
       "Geo T Bin Graph",
       {28, 48, B_O, B_O},
       true,
       GeoT,
       model::kGeoT.zooms.graph,
       100,
       880},
      {7,
       "Report_GeoASummary",
       "mnuGeoAPerf",
       "Geo A Summary Report",
       "Geo A Summary Report",
       {10, 59, B_O, Q_AD},
       false,
       GeoA,
       model::kGeoA.zooms.summary,
       85,
       870},
      {8,
       "Report_GeoABin",
       "mnuGeoAbin",
       "Geo A Bin Report",
       "Geo A Bin Report",
       {3, 45, {52, 64}, {66, 78}},
       false,
       GeoA,
       model::kGeoA.zooms.bin,
       115,
       890},
      {9,
       "Report_GeoAGraph",
       "mnuGeoAGraph",
       "Geo A Bin Graph",
       "Geo A Bin Graph",
       {21, 48, B_O, B_O},
       true,
       GeoA,
       model::kGeoA.zooms.graph,
       100,
       880},
      {10,
       "Report_GeoBSummary",
       "mnuGeoBperf",
       "Geo B Summary Report",
       "Geo B Summary Report",
       {11, 59, B_O, Q_AD},
       false,
       GeoB,
       model::kGeoB.zooms.summary,
       85,
       870},
      {11,
       "Report_GeoBBin",
       "mnuGeoBbin",
       "Geo B Bin Report",
       "Geo B Bin Report",
       {4, 45, {52, 64}, {66, 78}},
       false,
       GeoB,
       model::kGeoB.zooms.bin,
       115,
       880},
      {12,
       "Report_GeoBGraph",
       "mnuGeoBGraph",
       "Geo B Bin Graph",
       "Geo B Bin Graph",
       {22, 48, B_O, B_O},
       true,
       GeoB,
       model::kGeoB.zooms.graph,
       100,
       880},
      {13,
       "Report_HeatPumpSummary",
       "mnuElecPerf",
       "Heat Pump Summary Report",
       "Heat Pump Summary Report",
       {12, 51, B_O, Q_AD},
       false,
       Elec,
       model::kHeatPump.zooms.summary,
       100,
       850},
      {14,
       "Report_HeatPumpBin",
       "MnuElecbin",
       "Heat Pump Bin Report",
       "Heat Pump Report",
       {5, 45, {35, 47}, {49, 61}},
       false,
       Elec,
       model::kHeatPump.zooms.bin,
       115,
       900},
      {15,
       "Report_HeatPumpGraph",
       "mnuHeatPumpGraph",
       "Heat Pump Bin Graph",
       "Heat Pump Bin Graph",
       {23, 48, B_O, B_O},
       true,
       Elec,
       model::kHeatPump.zooms.graph,
       100,
       2900},
      {16,
       "Report_FurnaceSummary",
       "mnuFossPerf",
       "Furnace/Boiler Summary Report",
       "Furnace/Boiler Summary Report",
       {13, 43, B_O, Q_AD},
       false,
       Fossil,
       model::kFurnace.zooms.summary,
       115,
       840},
      {17,
       "Report_FurnaceBin",
       "mnuFossilbin",
       "Furnace/Boiler Bin Report",
       "Furnace/Boiler Bin Report",
       {6, 45, {23, 35}, {37, 49}},
       false,
       Fossil,
       model::kFurnace.zooms.bin,
       115,
       2890},
      {18,
       "Report_FurnaceGraph",
       "mnuFurnaceGraph",
       "Furnace/Boiler Bin Graph",
       "Furnace/Boiler Bin Graph",
       {24, 48, B_O, B_O},
       true,
       Fossil,
       model::kFurnace.zooms.graph,
       100,
       2910},
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
