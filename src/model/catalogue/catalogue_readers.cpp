#include "model/catalogue/catalogue_readers.h"

#include "model/catalogue/catalogue_scan.h"

namespace pellavan::model {

bool Load_FossilRecord(ModelState& state) {
  // Hidden channel: WantedUnitId, set just before by a system window's list or Min_Backup.
  return find_catalogue_record(state.data_files, state.program_folder, state.edition().furnace_file,
                               state.WantedUnitId, state.FurnaceRec);
}

bool Load_ACRecord(ModelState& state, ReportWorkbookSheets& workbook) {
  workbook.set_active_sheet(kFurnaceSheet);
  // Hidden channel: the key is the project's Furnace_ACId, stored by the furnace window.
  return find_catalogue_record(state.data_files, state.program_folder, state.edition().ac_file,
                               state.ProjectRec.Furnace_ACId, state.ACRec);
}

bool Load_UnitRecord(ModelState& state, Int16 id) {
  return unit_record_lookup(state, id) == CatalogueLookup::kFound;
}

CatalogueLookup unit_record_lookup(ModelState& state, Int16 id) {
  return look_up_catalogue_record(state.data_files, state.program_folder, state.edition().unit_file,
                                  id, state.GeoUnitRec);
}

bool Load_TUnitRecord(ModelState& state, Int16 id) {
  return t_unit_record_lookup(state, id) == CatalogueLookup::kFound;
}

CatalogueLookup t_unit_record_lookup(ModelState& state, Int16 id) {
  return look_up_catalogue_record(state.data_files, state.program_folder, kTUnitFile, id,
                                  state.TUnitRec);
}

bool Load_LoopRecord(ModelState& state, Int16 id) {
  state.LoopRec = LoopRec{};
  return find_catalogue_record(state.data_files, state.program_folder,
                               loop_file_name(state.MetricFlag), id, state.LoopRec);
}

Int16 Get_UnitFlag(ModelState& state, Int16 id) {
  return Load_UnitRecord(state, id) ? state.GeoUnitRec.Inactive : kUnitAbsent;
}

Int16 Get_TUnitFlag(ModelState& state, Int16 id) {
  return Load_TUnitRecord(state, id) ? state.TUnitRec.Inactive : kUnitAbsent;
}

}  // namespace pellavan::model
