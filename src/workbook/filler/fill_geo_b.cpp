// Geo B: the Geo A step with the Geo B block, without a second unit and without F21.
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/geo_sheet_writes.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

void fill_geo_b(FillContext& ctx) {
  const GeoSheetBlock block{ctx.model.ProjectRec, model::kGeoBRecord};
  ctx.ReportWorkbook.set_active_sheet(kGeoBSheet);
  reread_geo_records(ctx, block);
  put_unit(ctx, block);
  put_loop_and_soil(ctx, block, kGeoABLoopColumn);
  repair_aux_mode(block, ctx.model.FurnaceRec);
  put_auxiliary_heat(ctx, block, kGeoABEquipmentColumn);
  put_water_heater(ctx, kGeoABEquipmentColumn);
}

}  // namespace pellavan::workbook
