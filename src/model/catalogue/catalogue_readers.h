#pragma once
// The named catalogue readers. Each scans its catalogue into its buffer in ModelState with
// find_catalogue_record(); a missing or unopenable catalogue ends the program after its
// message. A reader that does not find its key leaves an emptied buffer, and each says whether
// it found the key, so that no caller need go on with a record it did not ask for.

#include "model/catalogue/catalogue_scan.h"
#include "model/model_state.h"
#include "model/record/field_types.h"
#include "model/report_workbook_sheets.h"

namespace pellavan::model {

// FurnaceRec by WantedUnitId, from the edition's furnace file.
bool Load_FossilRecord(ModelState& state);

// Makes the workbook's "Furnace" sheet (6) active, then ACRec by ProjectRec.Furnace_ACId. The
// sheet stays active whether or not the record is found.
bool Load_ACRecord(ModelState& state, ReportWorkbookSheets& workbook);

// GeoUnitRec by id, from the edition's unit file; the lookup says how the scan ended.
bool Load_UnitRecord(ModelState& state, Int16 id);
CatalogueLookup unit_record_lookup(ModelState& state, Int16 id);

// TUnitRec by id, from the T-unit file.
bool Load_TUnitRecord(ModelState& state, Int16 id);
CatalogueLookup t_unit_record_lookup(ModelState& state, Int16 id);

// LoopRec by id, from the loop file the unit options choose. The buffer is emptied first, so
// the file is read from record 1 whatever the buffer held (except for key 0, which an emptied
// buffer already carries).
bool Load_LoopRecord(ModelState& state, Int16 id);

// The Inactive flag of the unit with that id, or kUnitAbsent when no unit has it.
inline constexpr Int16 kUnitAbsent = 99;
Int16 Get_UnitFlag(ModelState& state, Int16 id);
Int16 Get_TUnitFlag(ModelState& state, Int16 id);

}  // namespace pellavan::model
