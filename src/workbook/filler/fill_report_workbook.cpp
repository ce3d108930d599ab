#include "workbook/filler/fill_report_workbook.h"

#include "workbook/filler/fill_steps.h"
#include "workbook/filler/summary_results.h"

namespace pellavan::workbook {

namespace {

// The order of work. The steps of the system sheets join between Rates and Economics as the
// sheets are built: Geo A, Geo B, GEO T, Air-to-Air, Furnace.
constexpr FillStep kFillSteps[] = {
    {"Loads", fill_loads},
    {"Rates", fill_rates},
    {"Geo A", fill_geo_a},
    {"Geo B", fill_geo_b},
    {"GEO T", fill_geo_t},
    {"Air-to-Air", fill_air_to_air},
    {"Furnace", fill_furnace},
    {"Economics", fill_economics},
};

}  // namespace

std::span<const FillStep> fill_steps() { return kFillSteps; }

FillOutcome Fill_ReportWorkbook(FillContext& ctx) {
  FillOutcome outcome;
  // Loads!A27 is the sensible load divided by the cooling load: with a load of 0 there is no
  // ratio to write, and every cooling result would follow it into nonsense.
  if (ctx.model.ProjectRec.Loads_CoolLoad == 0) {
    outcome.refusal = std::string(kCoolingLoadRangeMessage);
    return outcome;
  }
  for (const FillStep& step : kFillSteps) step.fill(ctx);
  ctx.ReportWorkbook.recalc();
  if (ctx.charts) {
    ctx.charts->Fill_BinCharts();
    ctx.charts->Fill_ComparisonChart();
  }
  outcome.clamped_results = read_summary_results(ctx);
  outcome.filled = true;
  return outcome;
}

}  // namespace pellavan::workbook
