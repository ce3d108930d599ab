// Rates: summer and winter price and yearly inflation of each energy, in stored units.
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

void fill_rates(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  ctx.ReportWorkbook.set_active_sheet(kRatesSheet);
  // electricity for the ground-source systems
  put(ctx, "B2", p.Rates_GeoElecSummer);
  put(ctx, "C2", p.Rates_GeoElecWinter);
  put(ctx, "D2", p.Rates_GeoElecInflation);
  // electricity for heat pump and resistance heat
  put(ctx, "B3", p.Rates_HeatPumpElecSummer);
  put(ctx, "C3", p.Rates_HeatPumpElecWinter);
  put(ctx, "D3", p.Rates_HeatPumpElecInflation);
  // electricity for the fossil-fuel system
  put(ctx, "B4", p.Rates_FossilElecSummer);
  put(ctx, "C4", p.Rates_FossilElecWinter);
  put(ctx, "D4", p.Rates_FossilElecInflation);
  // natural gas
  put(ctx, "B5", p.Rates_GasSummer);
  put(ctx, "C5", p.Rates_GasWinter);
  put(ctx, "D5", p.Rates_GasInflation);
  // propane
  put(ctx, "B6", p.Rates_PropaneSummer);
  put(ctx, "C6", p.Rates_PropaneWinter);
  put(ctx, "D6", p.Rates_PropaneInflation);
  // fuel oil
  put(ctx, "B7", p.Rates_OilSummer);
  put(ctx, "C7", p.Rates_OilWinter);
  put(ctx, "D7", p.Rates_OilInflation);
}

}  // namespace pellavan::workbook
