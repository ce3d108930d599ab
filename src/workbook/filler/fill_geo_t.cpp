// GEO T: the variable-capacity unit with its coefficient table, loop, soil, auxiliary heat and
// water heater. Written only when a Geo T unit is chosen; otherwise the sheet keeps what it held.
#include <string>
#include <type_traits>

#include "model/record/record_layout.h"
#include "workbook/filler/catalogue_rereads.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/report_sheets.h"

namespace pellavan::workbook {

namespace {

// Loop records carry 15 U values per soil for the plain loop, then 15 for the loop/well hybrid.
constexpr int kHybridUValueOffset = 15;
// GeoT_AuxMode asking for the auxiliary appliance's own add-on mode.
constexpr model::Int32 kAuxModeOfAppliance = 99;

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

// U value of the soil, from the hybrid half of the loop's table when the loop/well hybrid is
// chosen. A soil id outside the table (a soil file holds 1 to 15) gives 0, as an emptied record
// would: the loop lengths then show errors instead of the program stopping.
model::Currency loop_u_value(const model::ProjectRec& p, const model::LoopRec& loop, const model::SoilRec& soil) {
  const int element = soil.Id + (p.GeoT_LoopWellHybrid == 1 ? kHybridUValueOffset : 0);
  return loop.UValue.get_or(element, model::Currency{});
}

bool is_pond_loop(const model::LoopRec& loop) { return trimmed_text(loop.Name).starts_with("Pond"); }

void put_loop_and_soil(FillContext& ctx, const model::ProjectRec& p) {
  const model::LoopRec& loop = ctx.model.LoopRec;
  put(ctx, "N5", loop.Id);
  put(ctx, "N6", loop.DescText);
  put(ctx, "N7", loop.PipeText);
  put(ctx, "N8", loop.ConfigText);
  put(ctx, "N9", loop.LengthText);
  put(ctx, "N15", p.GeoT_BoreLength);
  put(ctx, "N16", p.GeoT_LoopMinTemp);
  put(ctx, "N17", p.GeoT_LoopMaxTemp);
  put(ctx, "N20", p.GeoT_LoopWellHybrid);
}

void put_soil_or_pond(FillContext& ctx, const model::ProjectRec& p) {
  if (is_pond_loop(ctx.model.LoopRec)) {
    set_text_cell(ctx, "N11", "Water");
    set_cell_text(ctx, "N12", "0");
    set_cell_text(ctx, "N13", "0");
    set_cell_text(ctx, "N14", "8");
    return;
  }
  const model::SoilRec& soil = ctx.model.SoilRec;
  put(ctx, "N11", soil.Name);
  put(ctx, "N12", soil.Conductivity);
  put(ctx, "N13", soil.Diffusivity);
  put(ctx, "N14", p.GeoT_Depth);
}

void put_auxiliary_heat(FillContext& ctx, const model::ProjectRec& p) {
  const model::FurnaceRec& aux = ctx.model.FurnaceRec;
  put(ctx, "R6", p.GeoT_AuxInput);
  put(ctx, "R7", aux.TypeText);
  put(ctx, "S7", aux.LowCapRatio);
  put(ctx, "R8", aux.StyleText);
  put(ctx, "S8", aux.LowCfmRatio);
  put(ctx, "R9", aux.Afue);
  put(ctx, "S9", aux.LowAuxKw);
  put(ctx, "R10", aux.FullLoadEff);
  put(ctx, "S10", aux.TwoStageFlag);
  put(ctx, "R11", aux.AuxKw);
  put(ctx, "S11", aux.IcmFanFlag);
  put(ctx, "R12", aux.FuelType);
  put(ctx, "R13", aux.FuelBtu);
  put(ctx, "R14", aux.CycFactor1);
  put(ctx, "R15", aux.CycFactor2);
  put(ctx, "R16", aux.CycFactor3);
  put(ctx, "R17", aux.CycAdjust);
}

void put_water_heater(FillContext& ctx) {
  const model::WaterHeaterRec& heater = ctx.model.WaterHeaterRec;
  put(ctx, "R23", heater.TypeText);
  put(ctx, "R24", heater.StyleText);
  put(ctx, "R25", heater.AnnualEff);
  put(ctx, "R26", heater.FuelType);
  put(ctx, "R27", heater.FuelBtu);
}

}  // namespace

void fill_geo_t(FillContext& ctx) {
  model::ProjectRec& p = ctx.model.ProjectRec;
  if (p.GeoT_UnitId == 0) return;
  ctx.ReportWorkbook.set_active_sheet(kGeoTSheet);

  reread_t_unit(ctx, p.GeoT_UnitId);
  reread_loop(ctx, p.GeoT_LoopId);
  reread_soil(ctx, p.GeoT_SoilId);
  reread_furnace(ctx, p.GeoT_AuxId);
  reread_water_heater(ctx, p.GeoT_WaterHeaterId);

  if (p.GeoT_Tons == model::Currency{}) p.GeoT_Tons = model::Currency::from_raw(model::Currency::kScale);
  put(ctx, "B3", p.GeoT_Tons);
  put(ctx, "N10", loop_u_value(p, ctx.model.LoopRec, ctx.model.SoilRec));
  if (p.GeoT_AuxMode == kAuxModeOfAppliance) p.GeoT_AuxMode = ctx.model.FurnaceRec.AddOnMode;
  put(ctx, "R18", p.GeoT_AuxMode);
  put_soil_or_pond(ctx, p);

  // The project's hot-water generator choice is written first and then replaced by the unit's
  // hot-water code: the code is what the model tests.
  put(ctx, "N18", p.GeoT_HwGenerator);
  put_unit(ctx, ctx.model.TUnitRec);
  put_capacity_limits(ctx, p);
  put_loop_and_soil(ctx, p);
  put_auxiliary_heat(ctx, p);
  put_water_heater(ctx);
  put(ctx, "N18", ctx.model.TUnitRec.HwCode);
}

}  // namespace pellavan::workbook
