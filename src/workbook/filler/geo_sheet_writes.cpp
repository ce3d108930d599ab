#include "workbook/filler/geo_sheet_writes.h"

#include "model/records/loop_u_value.h"
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"

namespace pellavan::workbook {

namespace {

// The auxiliary mode that asks for the appliance's own add-on mode.
constexpr model::Int32 kAuxModeOfAppliance = 99;
constexpr int kPerfCount = 46;

bool is_pond_loop(const model::LoopRec& loop) { return trimmed_text(loop.Name).starts_with("Pond"); }

}  // namespace

void repair_zero_quantity(model::Currency& tons) {
  if (tons == model::Currency{}) tons = model::Currency::from_raw(model::Currency::kScale);
}

GeoBlock geo_a_block(model::ProjectRec& p) {
  return GeoBlock{p.GeoA_UnitId,         p.GeoA_LoopId,        p.GeoA_SoilId,       p.GeoA_AuxId,
                  p.GeoA_WaterHeaterId,  p.GeoA_Tons,          p.GeoA_LoopWellHybrid, p.GeoA_Depth,
                  p.GeoA_BoreLength,     p.GeoA_LoopMinTemp,   p.GeoA_LoopMaxTemp,  p.GeoA_HwGenerator,
                  p.GeoA_AuxInput,       p.GeoA_AuxMode};
}

GeoBlock geo_b_block(model::ProjectRec& p) {
  return GeoBlock{p.GeoB_UnitId,         p.GeoB_LoopId,        p.GeoB_SoilId,       p.GeoB_AuxId,
                  p.GeoB_WaterHeaterId,  p.GeoB_Tons,          p.GeoB_LoopWellHybrid, p.GeoB_Depth,
                  p.GeoB_BoreLength,     p.GeoB_LoopMinTemp,   p.GeoB_LoopMaxTemp,  p.GeoB_HwGenerator,
                  p.GeoB_AuxInput,       p.GeoB_AuxMode};
}

void reread_geo_records(FillContext& ctx, const GeoBlock& block) {
  reread_geo_unit(ctx, block.unit_id);
  reread_loop(ctx, block.loop_id);
  reread_soil(ctx, block.soil_id);
  reread_furnace(ctx, block.aux_id);
  reread_water_heater(ctx, block.water_heater_id);
}

void put_unit_perf(FillContext& ctx, const model::GeoUnitRec& unit, int first_row) {
  for (int k = 1; k <= kPerfCount; ++k) put(ctx, CellAt(first_row + k - 1, 2), unit.Perf(k));
}

void put_unit(FillContext& ctx, const GeoBlock& block) {
  const model::GeoUnitRec& unit = ctx.model.GeoUnitRec;
  put_unit_perf(ctx, unit, 6);
  put(ctx, "D50", unit.StRatioLow);
  put(ctx, "D51", unit.StRatioHigh);
  put(ctx, "F50", unit.CorvailFlag);
  put(ctx, "F51", unit.VarSpeedFlag);
  put(ctx, "F52", unit.HydronicFlag);
  put(ctx, "F53", unit.StyleText);
  repair_zero_quantity(block.tons);
  put(ctx, "B3", block.tons);
  put(ctx, "B4", unit.ModelText);
  put(ctx, "B5", unit.SeriesText);
}

model::Currency geo_loop_u_value(const model::LoopRec& loop, const model::SoilRec& soil, model::Int16 hybrid) {
  return model::loop_u_value(loop, soil.Id, hybrid).value_or(model::Currency{});
}

void put_loop_and_soil(FillContext& ctx, const GeoBlock& block) {
  const model::LoopRec& loop = ctx.model.LoopRec;
  const model::SoilRec& soil = ctx.model.SoilRec;
  put(ctx, "F5", loop.Id);
  put(ctx, "F6", loop.DescText);
  put(ctx, "F7", loop.PipeText);
  put(ctx, "F8", loop.ConfigText);
  put(ctx, "F9", loop.LengthText);
  put(ctx, "F10", geo_loop_u_value(loop, soil, block.loop_well_hybrid));
  if (is_pond_loop(loop)) {
    set_text_cell(ctx, "F11", "Water");
    set_cell_text(ctx, "F12", "0");
    set_cell_text(ctx, "F13", "0");
    set_cell_text(ctx, "F14", "8");
  } else {
    put(ctx, "F11", soil.Name);
    put(ctx, "F12", soil.Conductivity);
    put(ctx, "F13", soil.Diffusivity);
    put(ctx, "F14", block.depth);
  }
  put(ctx, "F15", block.bore_length);
  put(ctx, "F16", block.loop_min_temp);
  put(ctx, "F17", block.loop_max_temp);
  put(ctx, "F18", block.hw_generator);
  put(ctx, "F20", block.loop_well_hybrid);
}

void put_auxiliary_heat(FillContext& ctx, const GeoBlock& block) {
  const model::FurnaceRec& aux = ctx.model.FurnaceRec;
  put(ctx, "J6", block.aux_input);
  put(ctx, "J7", aux.TypeText);
  put(ctx, "J8", aux.StyleText);
  put(ctx, "J9", aux.Afue);
  put(ctx, "J10", aux.FullLoadEff);
  put(ctx, "J11", aux.AuxKw);
  put(ctx, "J12", aux.FuelType);
  put(ctx, "J13", aux.FuelBtu);
  put(ctx, "J14", aux.CycFactor1);
  put(ctx, "J15", aux.CycFactor2);
  put(ctx, "J16", aux.CycFactor3);
  put(ctx, "J17", aux.CycAdjust);
  // An appliance without a default of its own (a negative mode) supplements: the sheet multiplies
  // run times and blower power by the mode, so a negative one would give run times above 1.
  if (block.aux_mode == kAuxModeOfAppliance) block.aux_mode = aux.AddOnMode < 0 ? 0 : aux.AddOnMode;
  put(ctx, "J18", block.aux_mode);
  put(ctx, "K11", aux.IcmFanFlag);
  put(ctx, "K10", aux.TwoStageFlag);
  put(ctx, "K7", aux.LowCapRatio);
  put(ctx, "K9", aux.LowAuxKw);
  put(ctx, "K8", aux.LowCfmRatio);
}

void put_water_heater(FillContext& ctx) {
  const model::WaterHeaterRec& heater = ctx.model.WaterHeaterRec;
  put(ctx, "J23", heater.TypeText);
  put(ctx, "J24", heater.StyleText);
  put(ctx, "J25", heater.AnnualEff);
  put(ctx, "J26", heater.FuelType);
  put(ctx, "J27", heater.FuelBtu);
}

}  // namespace pellavan::workbook
