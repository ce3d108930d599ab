// Air-to-Air: the air-source heat pump, its backup appliance and the water heater, each record
// read again by the id of the heat-pump block, then the input cells block by block (the order
// has no effect on the results: nothing is computed before the fill's one recalculation).
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/equipment_blocks.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

void put_heat_pump(FillContext& ctx, const model::AirHPRec& hp) {
  const model::ProjectRec& p = ctx.model.ProjectRec;
  put(ctx, "B19", p.HeatPump_Capacity);
  put(ctx, "B20", p.HeatPump_CutOffTemp);
  put(ctx, "B21", hp.TypeText);
  put(ctx, "B22", hp.StyleText);
  put(ctx, "B23", hp.Eer95);
  put(ctx, "B24", hp.Cap105);
  put(ctx, "B25", hp.Kw105);
  put(ctx, "B26", hp.CdClg);
  put(ctx, "B27", hp.CdHtg);
  put(ctx, "B28", hp.Cap47);
  put(ctx, "B29", hp.Cop47);
  put(ctx, "B30", hp.Cap17);
  put(ctx, "B31", hp.Cop17);
  put(ctx, "D40", hp.StRatio95);
  put(ctx, "D41", hp.StRatio105);
  put(ctx, "C26", p.HeatPump_CoilCondition);
  put(ctx, "C27", p.HeatPump_CoilQuality);
  put(ctx, "C21", hp.LowCapRatio);
  put(ctx, "C22", hp.TwoStageFlag);
  put(ctx, "C23", hp.LowEer95);
  put(ctx, "C24", hp.LowCap105);
  put(ctx, "C25", hp.LowKw105);
  put(ctx, "C28", hp.LowCap47);
  put(ctx, "C29", hp.LowCop47);
  put(ctx, "C30", hp.LowCap17);
  put(ctx, "C31", hp.LowCop17);
}

// Rows 44-46 are the coil combinations top, mid and bottom; a PSC blower's factors in M:P,
// an ICM blower's in Q:T, each row cooling capacity, cooling kW, heating capacity, heating kW.
void put_coil_factors(FillContext& ctx, const model::AirHPRec& hp) {
  const model::Currency factors[2][3][4] = {
      {{hp.PscTopClgCap, hp.PscTopClgKw, hp.PscTopHtgCap, hp.PscTopHtgKw},
       {hp.PscMidClgCap, hp.PscMidClgKw, hp.PscMidHtgCap, hp.PscMidHtgKw},
       {hp.PscBotClgCap, hp.PscBotClgKw, hp.PscBotHtgCap, hp.PscBotHtgKw}},
      {{hp.IcmTopClgCap, hp.IcmTopClgKw, hp.IcmTopHtgCap, hp.IcmTopHtgKw},
       {hp.IcmMidClgCap, hp.IcmMidClgKw, hp.IcmMidHtgCap, hp.IcmMidHtgKw},
       {hp.IcmBotClgCap, hp.IcmBotClgKw, hp.IcmBotHtgCap, hp.IcmBotHtgKw}},
  };
  constexpr int kFirstRow = 44, kPscColumn = 13;  // M
  for (int fan = 0; fan < 2; ++fan) {
    for (int row = 0; row < 3; ++row) {
      for (int k = 0; k < 4; ++k) {
        put(ctx, CellAt(kFirstRow + row, kPscColumn + 4 * fan + k), factors[fan][row][k]);
      }
    }
  }
}

}  // namespace

void fill_air_to_air(FillContext& ctx) {
  model::ProjectRec& p = ctx.model.ProjectRec;
  ctx.ReportWorkbook.set_active_sheet(kAirToAirSheet);
  reread_air_hp(ctx, p.HeatPump_UnitId);
  reread_furnace(ctx, p.HeatPump_BackupId);
  reread_water_heater(ctx, p.HeatPump_WaterHeaterId);
  // The project keeps the backup's own mode from now on; a later save stores it.
  if (p.HeatPump_AuxMode == kAuxModeOfAppliance)
    p.HeatPump_AuxMode = appliance_aux_mode(ctx.model.FurnaceRec);

  put_furnace_block(ctx, 4, 2, p.HeatPump_BackupInput, ctx.model.FurnaceRec,
                    p.HeatPump_AuxMode);  // B4
  put_heat_pump(ctx, ctx.model.AirHPRec);
  put_coil_factors(ctx, ctx.model.AirHPRec);
  put(ctx, "C52", ctx.model.AirHPRec.VarSpeedFlag);
  put_water_heater_block(ctx, 39, 2, ctx.model.WaterHeaterRec);  // B39
}

}  // namespace pellavan::workbook
