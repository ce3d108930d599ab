#include "workbook/filler/geo_sheet_writes.h"

#include "model/records/loop_u_value.h"
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/equipment_blocks.h"

namespace pellavan::workbook {

namespace {

constexpr int kPerfCount = 46;
constexpr int kAuxiliaryHeatRow = 6;
constexpr int kWaterHeaterRow = 23;

bool is_pond_loop(const model::LoopRec& loop) {
  return trimmed_text(loop.Name).starts_with("Pond");
}

}  // namespace

void repair_zero_quantity(model::Currency& tons) {
  if (tons == model::Currency{}) tons = model::Currency::from_raw(model::Currency::kScale);
}

GeoBlock geo_a_block(model::ProjectRec& p) {
  return GeoBlock{p.GeoA_UnitId,         p.GeoA_LoopId,        p.GeoA_SoilId,
                  p.GeoA_AuxId,          p.GeoA_WaterHeaterId, p.GeoA_Tons,
                  p.GeoA_LoopWellHybrid, p.GeoA_Depth,         p.GeoA_BoreLength,
                  p.GeoA_LoopMinTemp,    p.GeoA_LoopMaxTemp,   p.GeoA_HwGenerator,
                  p.GeoA_AuxInput,       p.GeoA_AuxMode};
}

GeoBlock geo_b_block(model::ProjectRec& p) {
  return GeoBlock{p.GeoB_UnitId,         p.GeoB_LoopId,        p.GeoB_SoilId,
                  p.GeoB_AuxId,          p.GeoB_WaterHeaterId, p.GeoB_Tons,
                  p.GeoB_LoopWellHybrid, p.GeoB_Depth,         p.GeoB_BoreLength,
                  p.GeoB_LoopMinTemp,    p.GeoB_LoopMaxTemp,   p.GeoB_HwGenerator,
                  p.GeoB_AuxInput,       p.GeoB_AuxMode};
}

GeoBlock geo_t_block(model::ProjectRec& p) {
  return GeoBlock{p.GeoT_UnitId,         p.GeoT_LoopId,        p.GeoT_SoilId,
                  p.GeoT_AuxId,          p.GeoT_WaterHeaterId, p.GeoT_Tons,
                  p.GeoT_LoopWellHybrid, p.GeoT_Depth,         p.GeoT_BoreLength,
                  p.GeoT_LoopMinTemp,    p.GeoT_LoopMaxTemp,   p.GeoT_HwGenerator,
                  p.GeoT_AuxInput,       p.GeoT_AuxMode};
}

void reread_block_equipment(FillContext& ctx, const GeoBlock& block) {
  reread_loop(ctx, block.loop_id);
  reread_soil(ctx, block.soil_id);
  reread_furnace(ctx, block.aux_id);
  reread_water_heater(ctx, block.water_heater_id);
}

void reread_geo_records(FillContext& ctx, const GeoBlock& block) {
  reread_geo_unit(ctx, block.unit_id);
  reread_block_equipment(ctx, block);
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

model::Currency geo_loop_u_value(const model::LoopRec& loop, const model::SoilRec& soil,
                                 model::Int16 hybrid) {
  return model::loop_u_value(loop, soil.Id, hybrid).value_or(model::Currency{});
}

void put_loop_and_soil(FillContext& ctx, const GeoBlock& block, int col) {
  const model::LoopRec& loop = ctx.model.LoopRec;
  const model::SoilRec& soil = ctx.model.SoilRec;
  put(ctx, {5, col}, loop.Id);
  put(ctx, {6, col}, loop.DescText);
  put(ctx, {7, col}, loop.PipeText);
  put(ctx, {8, col}, loop.ConfigText);
  put(ctx, {9, col}, loop.LengthText);
  put(ctx, {10, col}, geo_loop_u_value(loop, soil, block.loop_well_hybrid));
  if (is_pond_loop(loop)) {
    set_text_cell(ctx, 11, col, "Water");
    set_cell_text(ctx, 12, col, "0");
    set_cell_text(ctx, 13, col, "0");
    set_cell_text(ctx, 14, col, "8");
  } else {
    put(ctx, {11, col}, soil.Name);
    put(ctx, {12, col}, soil.Conductivity);
    put(ctx, {13, col}, soil.Diffusivity);
    put(ctx, {14, col}, block.depth);
  }
  put(ctx, {15, col}, block.bore_length);
  put(ctx, {16, col}, block.loop_min_temp);
  put(ctx, {17, col}, block.loop_max_temp);
  put(ctx, {18, col}, block.hw_generator);
  put(ctx, {20, col}, block.loop_well_hybrid);
}

void repair_aux_mode(const GeoBlock& block, const model::FurnaceRec& aux) {
  if (block.aux_mode == kAuxModeOfAppliance) block.aux_mode = appliance_aux_mode(aux);
}

void put_auxiliary_heat(FillContext& ctx, const GeoBlock& block, int col) {
  put_furnace_block(ctx, kAuxiliaryHeatRow, col, block.aux_input, ctx.model.FurnaceRec,
                    block.aux_mode);
}

void put_water_heater(FillContext& ctx, int col) {
  put_water_heater_block(ctx, kWaterHeaterRow, col, ctx.model.WaterHeaterRec);
}

}  // namespace pellavan::workbook
