// Geo A: unit, loop, soil, auxiliary appliance, water heater and the second unit of a tandem.
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/geo_sheet_writes.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

// Rows 53-101 take the second unit on every fill, tandem or not; only the tandem flag F21 lets
// the sheet use them. Its sensible shares replace the first unit's only in a tandem.
void put_second_unit(FillContext& ctx) {
  model::ProjectRec& p = ctx.model.ProjectRec;
  reread_geo_unit(ctx, p.GeoA_Unit2Id);
  const model::GeoUnitRec& unit = ctx.model.GeoUnitRec;
  put_unit_perf(ctx, unit, 56);
  if (p.GeoA_Tandem == 1) {
    put(ctx, "D50", unit.StRatioLow);
    put(ctx, "D51", unit.StRatioHigh);
  }
  repair_zero_quantity(p.GeoA_Unit2Tons);
  put(ctx, "B53", p.GeoA_Unit2Tons);
  put(ctx, "B54", unit.ModelText);
  put(ctx, "B55", unit.SeriesText);
  put(ctx, "F54", unit.StyleText);
}

}  // namespace

void fill_geo_a(FillContext& ctx) {
  model::ProjectRec& p = ctx.model.ProjectRec;
  const GeoSheetBlock block{p, model::kGeoARecord};
  ctx.ReportWorkbook.set_active_sheet(kGeoASheet);
  reread_geo_records(ctx, block);
  put_unit(ctx, block);
  put_loop_and_soil(ctx, block, kGeoABLoopColumn);
  put(ctx, "F21", p.GeoA_Tandem);
  repair_aux_mode(block, ctx.model.FurnaceRec);
  put_auxiliary_heat(ctx, block, kGeoABEquipmentColumn);
  put_water_heater(ctx, kGeoABEquipmentColumn);
  put_second_unit(ctx);
}

}  // namespace pellavan::workbook
