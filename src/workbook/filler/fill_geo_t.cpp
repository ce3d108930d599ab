// GEO T: the variable-capacity unit with its coefficient table, loop, soil, auxiliary heat and
// water heater. Written only when a Geo T unit is chosen; otherwise the sheet keeps what it held.
#include <string>
#include <type_traits>

#include "model/record/record_layout.h"
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/equipment_blocks.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/geo_sheet_writes.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

// The twelve equations of the unit, ten Double coefficients each, lie in the record one after
// the other from ClgKw_C1 to HwLoHz_C10; equation e goes to row 8 + e, coefficient c to the c-th
// column from B.
void put_coefficient_table(FillContext& ctx, const model::TUnitRec& unit) {
  constexpr std::size_t first = model::find_field<model::TUnitRec>("ClgKw_C1")->offset;
  constexpr std::size_t last = model::find_field<model::TUnitRec>("HwLoHz_C10")->offset;
  constexpr std::size_t coefficient_bytes = sizeof(double);
  constexpr std::size_t equation_bytes = 10 * coefficient_bytes;
  model::TUnitRec::visit_fields(unit, [&](const model::FieldInfo& info, const auto& member) {
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>, model::Double>) {
      if (info.offset < first || info.offset > last) return;
      const std::size_t at = info.offset - first;
      const int row = 8 + static_cast<int>(at / equation_bytes);
      const int col = 2 + static_cast<int>(at % equation_bytes / coefficient_bytes);
      set_cell_text(ctx, row, col, double_text(member));
    }
  });
}

void put_unit(FillContext& ctx, const model::TUnitRec& unit) {
  put_stored(ctx, "B4", unit.ModelText);
  put_stored(ctx, "B5", unit.SeriesText);
  put_stored(ctx, "B6", unit.StyleText);
  put(ctx, "J4", unit.ModelText);
  put(ctx, "J5", unit.Name);
  put_coefficient_table(ctx, unit);
  put(ctx, "B22", unit.RatedCapMin);
  put(ctx, "C22", unit.RatedCapMax);
  put(ctx, "B23", unit.ClgHwCapMin);
  put(ctx, "C23", unit.ClgHwCapMax);
  put(ctx, "B24", unit.HzMin);
  put(ctx, "C24", unit.HzMax);
  put(ctx, "B30", unit.ClgCd);
  put(ctx, "B31", unit.HtgHwCd);
  put(ctx, "B33", unit.StRatio);
  put(ctx, "F29", unit.LoopPumpGpm);
  put(ctx, "G29", unit.LoopPumpKw);
  put(ctx, "H29", unit.LoopPumpMaxKw);
  put(ctx, "F30", unit.WellPumpGpm);
  put(ctx, "G30", unit.WellPumpKw);
  put(ctx, "H30", unit.WellPumpMaxKw);
  put(ctx, "I30", unit.WellKwPerGpm);  // replaces the template's formula
  put(ctx, "F31", unit.HwPumpGpm);
  put(ctx, "G31", unit.HwPumpKw);
  put(ctx, "H31", unit.HwPumpMaxKw);
  put(ctx, "F34", unit.ClgHwLwdt1);
  put(ctx, "G34", unit.ClgHwLwdt2);
  put(ctx, "F35", unit.HwLwdt1);
  put(ctx, "G35", unit.HwLwdt2);
  put(ctx, "N50", unit.CorvailFlag);
  put(ctx, "N51", unit.VarSpeedFlag);
  put(ctx, "N52", unit.HydronicFlag);
  put(ctx, "N53", unit.StyleText);
}

// The window's capacity limits, fractions of the unit's maximum rated capacity.
void put_capacity_limits(FillContext& ctx, const model::ProjectRec& p) {
  put(ctx, "F22", p.GeoT_HeatCapMin);
  put(ctx, "G22", p.GeoT_HeatCapMax);
  put(ctx, "F23", p.GeoT_CoolCapMin);
  put(ctx, "G23", p.GeoT_CoolCapMax);
}

}  // namespace

void fill_geo_t(FillContext& ctx) {
  model::ProjectRec& p = ctx.model.ProjectRec;
  if (p.GeoT_UnitId == 0) return;
  const GeoSheetBlock block{p, model::kGeoTRecord};
  ctx.ReportWorkbook.set_active_sheet(kGeoTSheet);
  reread_t_unit(ctx, block.at<model::Int16>(&model::GeoRecordBlock::unit_id));
  reread_block_equipment(ctx, block);

  repair_zero_quantity(block.at<model::Currency>(&model::GeoRecordBlock::tons));
  block.put(ctx, "B3", &model::GeoRecordBlock::tons);
  put_unit(ctx, ctx.model.TUnitRec);
  put_capacity_limits(ctx, p);
  // N18 takes the project's hot-water generator choice with the loop, then the unit's hot-water
  // code in its place: the code is what the model tests.
  put_loop_and_soil(ctx, block, kGeoTLoopColumn);
  repair_aux_mode(block, ctx.model.FurnaceRec);
  put_auxiliary_heat(ctx, block, kGeoTEquipmentColumn);
  put_water_heater(ctx, kGeoTEquipmentColumn);
  put(ctx, "N18", ctx.model.TUnitRec.HwCode);
}

}  // namespace pellavan::workbook
