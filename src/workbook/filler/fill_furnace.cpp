// Furnace: the air conditioner, the furnace or boiler and the water heater, each record read
// again by the id of the furnace block; nothing is converted or tested, and nothing is written
// back into the project.
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/equipment_blocks.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

void put_air_conditioner(FillContext& ctx, const model::ACRec& ac) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  put(ctx, "B23", p.Furnace_ACCapacity);
  put(ctx, "B24", ac.TypeText);
  put(ctx, "B25", ac.StyleText);
  put(ctx, "B26", ac.Eer95);
  put(ctx, "B27", ac.Cap105);
  put(ctx, "B28", ac.Kw105);
  put(ctx, "B29", ac.CdClg);
  put(ctx, "D34", ac.StRatio95);
  put(ctx, "D35", ac.StRatio105);
  put(ctx, "C29", p.Furnace_CoilCondition);
  put(ctx, "C32", p.Furnace_CoilQuality);
  put(ctx, "C24", ac.LowCapRatio);
  put(ctx, "C25", ac.TwoStageFlag);
  put(ctx, "C26", ac.LowEer95);
  put(ctx, "C27", ac.LowCap105);
  put(ctx, "C28", ac.LowKw105);
  // Coil combinations top, middle, bottom in rows 45-47: PSC capacity and kW in O:P, ICM in Q:R.
  put(ctx, "O45", ac.PscTopClgCap);
  put(ctx, "P45", ac.PscTopClgKw);
  put(ctx, "O46", ac.PscMidClgCap);
  put(ctx, "P46", ac.PscMidClgKw);
  put(ctx, "O47", ac.PscBotClgCap);
  put(ctx, "P47", ac.PscBotClgKw);
  put(ctx, "Q45", ac.IcmTopClgCap);
  put(ctx, "R45", ac.IcmTopClgKw);
  put(ctx, "Q46", ac.IcmMidClgCap);
  put(ctx, "R46", ac.IcmMidClgKw);
  put(ctx, "Q47", ac.IcmBotClgCap);
  put(ctx, "R47", ac.IcmBotClgKw);
}

}  // namespace

void fill_furnace(FillContext& ctx) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  ctx.ReportWorkbook.set_active_sheet(kFurnaceSheet);
  reread_ac(ctx, p.Furnace_ACId);
  reread_furnace(ctx, p.Furnace_UnitId);
  reread_water_heater(ctx, p.Furnace_WaterHeaterId);

  // The furnace block carries the record's own add-on value, not an auxiliary mode of the project.
  put_furnace_block(ctx, 8, 2, p.Furnace_Input, ctx.model.FurnaceRec,
                    ctx.model.FurnaceRec.AddOnMode);  // B8
  put_air_conditioner(ctx, ctx.model.ACRec);
  put_water_heater_block(ctx, 33, 2, ctx.model.WaterHeaterRec);  // B33
}

}  // namespace pellavan::workbook
