#include "workbook/filler/summary_results.h"

#include <cmath>

#include "model/project/system_kinds.h"
#include "sheet/address.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/result_ranges.h"
#include "workbook/filler/summary_sheets.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

using model::ProjectRec;

using model::SystemType;

#define PELLAVAN_RESULT(system, sheet, cell, field, quantity) \
  SummaryResultCell { SystemType::system, sheet, cell, &ProjectRec::field, #field, quantity }
#define PELLAVAN_AVERAGE(system, sheet, cell, field, quantity, load) \
  SummaryResultCell { SystemType::system, sheet, cell, &ProjectRec::field, #field, quantity, load }

constexpr SummaryResultCell kResultCells[] = {
    PELLAVAN_AVERAGE(GeoA, kGasSheet, "E31", Result_GeoA_AvgSourceClg,
                     "average source temperature in cooling", "C23"),
    PELLAVAN_AVERAGE(GeoA, kGasSheet, "E32", Result_GeoA_AvgSourceHtg,
                     "average source temperature in heating", "C22"),
    PELLAVAN_RESULT(GeoA, kGasSheet, "E26", Result_GeoA_SourceSize, "loop length or well flow"),
    PELLAVAN_RESULT(GeoA, kGasSheet, "N23", Result_GeoA_HeatingCost, "heating cost"),
    PELLAVAN_RESULT(GeoA, kGasSheet, "N31", Result_GeoA_CoolingCost, "cooling cost"),
    PELLAVAN_RESULT(GeoA, kGasSheet, "N47", Result_GeoA_WaterHeatingCost, "water-heating cost"),
    PELLAVAN_RESULT(GeoA, kGasSheet, "N53", Result_GeoA_FanCost, "continuous fan cost"),
    PELLAVAN_AVERAGE(GeoB, kGbsSheet, "E31", Result_GeoB_AvgSourceClg,
                     "average source temperature in cooling", "C23"),
    PELLAVAN_AVERAGE(GeoB, kGbsSheet, "E32", Result_GeoB_AvgSourceHtg,
                     "average source temperature in heating", "C22"),
    PELLAVAN_RESULT(GeoB, kGbsSheet, "E26", Result_GeoB_SourceSize, "loop length or well flow"),
    PELLAVAN_RESULT(GeoB, kGbsSheet, "N23", Result_GeoB_HeatingCost, "heating cost"),
    PELLAVAN_RESULT(GeoB, kGbsSheet, "N31", Result_GeoB_CoolingCost, "cooling cost"),
    PELLAVAN_RESULT(GeoB, kGbsSheet, "N47", Result_GeoB_WaterHeatingCost, "water-heating cost"),
    PELLAVAN_RESULT(GeoB, kGbsSheet, "N53", Result_GeoB_FanCost, "continuous fan cost"),
    PELLAVAN_RESULT(Elec, kAasSheet, "N23", Result_HeatPump_HeatingCost, "heating cost"),
    PELLAVAN_RESULT(Elec, kAasSheet, "N31", Result_HeatPump_CoolingCost, "cooling cost"),
    PELLAVAN_RESULT(Elec, kAasSheet, "N39", Result_HeatPump_WaterHeatingCost, "water-heating cost"),
    PELLAVAN_RESULT(Elec, kAasSheet, "N45", Result_HeatPump_FanCost, "continuous fan cost"),
    PELLAVAN_RESULT(Fossil, kFusSheet, "N15", Result_Furnace_HeatingCost, "heating cost"),
    PELLAVAN_RESULT(Fossil, kFusSheet, "N23", Result_Furnace_CoolingCost, "cooling cost"),
    PELLAVAN_RESULT(Fossil, kFusSheet, "N31", Result_Furnace_WaterHeatingCost,
                    "water-heating cost"),
    PELLAVAN_RESULT(Fossil, kFusSheet, "N37", Result_Furnace_FanCost, "continuous fan cost"),
};

#undef PELLAVAN_RESULT
#undef PELLAVAN_AVERAGE

// 2^63 / 10,000: the first magnitude a Currency cannot hold.
constexpr double kCurrencyLimit = 922337203685477.5808;

bool has_load(const sheet::Book& book, std::string_view load_cell) {
  if (load_cell.empty()) return true;
  sheet::CellPos pos = *sheet::parse_a1(load_cell);
  pos.sheet = kLoadsSheet - 1;
  const sheet::Value load = book.cell_value(pos);
  return !load.is_number() || load.as_number() != 0;
}

}  // namespace

std::span<const SummaryResultCell> summary_result_cells() { return kResultCells; }

model::Currency result_currency(double value, bool& clamped) {
  clamped = !std::isfinite(value) || std::fabs(value) >= kCurrencyLimit;
  return model::Currency::from_double_saturated(value);
}

SummaryReadBack read_summary_results(FillContext& ctx) {
  SummaryReadBack read;
  const sheet::Book& book = ctx.ReportWorkbook.book();
  for (const SummaryResultCell& r : kResultCells) {
    if (ctx.ReportWorkbook.active_sheet() != r.sheet) ctx.ReportWorkbook.set_active_sheet(r.sheet);
    const CellAt cell(r.cell);
    if (ctx.analyses(r.system) && has_load(book, r.given) &&
        !book.cell_value(ctx.ReportWorkbook.at(cell.row, cell.col)).is_number()) {
      read.unusable.push_back(ResultProblem{system_name(r.system), r.quantity,
                                            book.sheet(r.sheet - 1).name(), r.cell,
                                            ctx.ReportWorkbook.cell_text(cell.row, cell.col)});
    }
    bool clamped = false;
    // Hidden channel: the results go into the project, and out with its next save.
    ctx.model.ProjectRec.*r.field = result_currency(read_number(ctx, cell), clamped);
    if (clamped) read.clamped.push_back(r.field_name);
  }
  return read;
}

}  // namespace pellavan::workbook
