#include "workbook/filler/geo_sheet_writes.h"

#include <variant>

#include "loads/calc/load_calculation.h"
#include "model/records/loop_u_value.h"
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/equipment_blocks.h"

namespace pellavan::workbook {

namespace {

constexpr int kPerfCount = 46;
constexpr int kAuxiliaryHeatRow = 6;
constexpr int kWaterHeaterRow = 23;
constexpr model::Int16 kElectricFuel = 4;

bool is_pond_loop(const model::LoopRec& loop) {
  return trimmed_text(loop.Name).starts_with("Pond");
}

}  // namespace

// Hidden channel: the repairs below write into the project, which the geo windows then show.
void repair_zero_quantity(model::Currency& tons) {
  if (tons == model::Currency{}) tons = model::Currency::from_raw(model::Currency::kScale);
}

void GeoSheetBlock::put(FillContext& ctx, CellAt cell,
                        model::ProjectNumber model::GeoRecordBlock::*field) const {
  std::visit([&](auto member) { workbook::put(ctx, cell, rec.*member); }, (fields.*field).member);
}

void reread_block_equipment(FillContext& ctx, const GeoSheetBlock& block) {
  reread_loop(ctx, block.at<model::Int16>(&model::GeoRecordBlock::loop_id));
  reread_soil(ctx, block.at<model::Int16>(&model::GeoRecordBlock::soil_id));
  reread_furnace(ctx, block.at<model::Int16>(&model::GeoRecordBlock::aux_id));
  reread_water_heater(ctx, block.at<model::Int16>(&model::GeoRecordBlock::water_heater_id));
}

void reread_geo_records(FillContext& ctx, const GeoSheetBlock& block) {
  reread_geo_unit(ctx, block.at<model::Int16>(&model::GeoRecordBlock::unit_id));
  reread_block_equipment(ctx, block);
}

void put_unit_perf(FillContext& ctx, const model::GeoUnitRec& unit, int first_row) {
  for (int k = 1; k <= kPerfCount; ++k) put(ctx, CellAt(first_row + k - 1, 2), unit.Perf(k));
}

void put_unit(FillContext& ctx, const GeoSheetBlock& block) {
  // Hidden channel: GeoUnitRec is the unit reread_geo_records has just read.
  const model::GeoUnitRec& unit = ctx.model.GeoUnitRec;
  put_unit_perf(ctx, unit, 6);
  put(ctx, "D50", unit.StRatioLow);
  put(ctx, "D51", unit.StRatioHigh);
  put(ctx, "F50", unit.CorvailFlag);
  put(ctx, "F51", unit.VarSpeedFlag);
  put(ctx, "F52", unit.HydronicFlag);
  put(ctx, "F53", unit.StyleText);
  repair_zero_quantity(block.at<model::Currency>(&model::GeoRecordBlock::tons));
  block.put(ctx, "B3", &model::GeoRecordBlock::tons);
  put(ctx, "B4", unit.ModelText);
  put(ctx, "B5", unit.SeriesText);
}

model::Currency geo_loop_u_value(const model::LoopRec& loop, const model::SoilRec& soil,
                                 model::Int16 hybrid) {
  return model::loop_u_value(loop, soil.Id, hybrid).value_or(model::Currency{});
}

void put_loop_and_soil(FillContext& ctx, const GeoSheetBlock& block, int col) {
  const model::LoopRec& loop = ctx.model.LoopRec;
  const model::SoilRec& soil = ctx.model.SoilRec;
  put(ctx, {5, col}, loop.Id);
  put(ctx, {6, col}, loop.DescText);
  put(ctx, {7, col}, loop.PipeText);
  put(ctx, {8, col}, loop.ConfigText);
  put(ctx, {9, col}, loop.LengthText);
  put(ctx, {10, col},
      geo_loop_u_value(loop, soil, block.at<model::Int16>(&model::GeoRecordBlock::loop_hybrid)));
  if (is_pond_loop(loop)) {
    set_text_cell(ctx, 11, col, "Water");
    set_cell_text(ctx, 12, col, "0");
    set_cell_text(ctx, 13, col, "0");
    set_cell_text(ctx, 14, col, "8");
  } else {
    put(ctx, {11, col}, soil.Name);
    put(ctx, {12, col}, soil.Conductivity);
    put(ctx, {13, col}, soil.Diffusivity);
    block.put(ctx, {14, col}, &model::GeoRecordBlock::depth);
  }
  block.put(ctx, {15, col}, &model::GeoRecordBlock::bore);
  block.put(ctx, {16, col}, &model::GeoRecordBlock::min_temp);
  block.put(ctx, {17, col}, &model::GeoRecordBlock::max_temp);
  block.put(ctx, {18, col}, &model::GeoRecordBlock::hw_generator);
  block.put(ctx, {20, col}, &model::GeoRecordBlock::loop_hybrid);
}

void repair_aux_mode(const GeoSheetBlock& block, const model::FurnaceRec& aux) {
  model::Int32& mode = block.at<model::Int32>(&model::GeoRecordBlock::aux_mode);
  if (mode == kAuxModeOfAppliance) mode = appliance_aux_mode(aux);
}

namespace {

// An electric auxiliary, whose input no window asks, has the building's minimum: the size the
// run gives it, whatever the file holds. Without a minimum the stored input stays.
model::Int32 auxiliary_input(const FillContext& ctx, const GeoSheetBlock& block,
                             const model::FurnaceRec& aux) {
  const model::Int32 stored = block.at<model::Int32>(&model::GeoRecordBlock::aux_input);
  const double efficiency = aux.FullLoadEff.to_double();
  if (aux.FuelType != kElectricFuel || efficiency <= 0.0) return stored;
  const model::Int32 minimum = loads::minimum_backup_input(ctx.loads, efficiency);
  return minimum > 0 ? minimum : stored;
}

}  // namespace

void put_auxiliary_heat(FillContext& ctx, const GeoSheetBlock& block, int col) {
  const model::FurnaceRec& aux = ctx.model.FurnaceRec;
  put_furnace_block(ctx, kAuxiliaryHeatRow, col, auxiliary_input(ctx, block, aux), aux,
                    block.at<model::Int32>(&model::GeoRecordBlock::aux_mode));
}

void put_water_heater(FillContext& ctx, int col) {
  put_water_heater_block(ctx, kWaterHeaterRow, col, ctx.model.WaterHeaterRec);
}

}  // namespace pellavan::workbook
