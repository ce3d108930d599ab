#include "workbook/filler/catalogue_rereads.h"

#include <string_view>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"

namespace pellavan::workbook {

namespace {

std::string active_sheet_name(const FillContext& ctx) {
  const sheet::Book& book = ctx.ReportWorkbook.book();
  const int index = ctx.ReportWorkbook.active_sheet() - 1;
  return index < book.sheet_count() ? book.sheet(index).name()
                                    : "sheet " + std::to_string(index + 1);
}

// An id of 0 names no record (no second unit, no appliance): not finding it is no fault.
template <class R>
bool reread(FillContext& ctx, std::string_view file, model::Int16 id, R& buffer) {
  model::ModelState& m = ctx.model;
  const model::CatalogueLookup lookup =
      model::look_up_for_analysis(m.data_files, m.program_folder, file, id, buffer);
  if (lookup == model::CatalogueLookup::kFound) return true;
  if (id != 0) {
    ctx.catalogue_problems.push_back(
        CatalogueProblem{active_sheet_name(ctx), std::string(file), id, lookup});
  }
  return false;
}

}  // namespace

bool reread_geo_unit(FillContext& ctx, model::Int16 id) {
  return reread(ctx, ctx.model.edition().unit_file, id, ctx.model.GeoUnitRec);
}

bool reread_t_unit(FillContext& ctx, model::Int16 id) {
  // Data files are found ignoring case.
  return reread(ctx, model::kAnalysisTUnitFile, id, ctx.model.TUnitRec);
}

bool reread_loop(FillContext& ctx, model::Int16 id) {
  return reread(ctx, model::loop_file_name(ctx.model.MetricFlag), id, ctx.model.LoopRec);
}

bool reread_soil(FillContext& ctx, model::Int16 id) {
  return reread(ctx, model::soil_file_name(ctx.model.MetricFlag), id, ctx.model.SoilRec);
}

bool reread_furnace(FillContext& ctx, model::Int16 id) {
  return reread(ctx, ctx.model.edition().furnace_file, id, ctx.model.FurnaceRec);
}

bool reread_water_heater(FillContext& ctx, model::Int16 id) {
  return reread(ctx, ctx.model.edition().water_heater_file, id, ctx.model.WaterHeaterRec);
}

bool reread_air_hp(FillContext& ctx, model::Int16 id) {
  return reread(ctx, ctx.model.edition().air_hp_file, id, ctx.model.AirHPRec);
}

bool reread_ac(FillContext& ctx, model::Int16 id) {
  return reread(ctx, ctx.model.edition().ac_file, id, ctx.model.ACRec);
}

}  // namespace pellavan::workbook
