#include "model/project/discontinued_units.h"

#include "model/catalogue/catalogue_readers.h"
#include "model/project/system_type.h"

namespace pellavan::model {
namespace {

bool column_uses(const ProjectRec& rec, SystemType kind) {
  const Int16 code = code_of(kind);
  return rec.System1_Type == code || rec.System2_Type == code || rec.System3_Type == code;
}

}  // namespace

bool uses_discontinued_unit(ModelState& state, const ProjectRec& rec) {
  if (column_uses(rec, SystemType::GeoA) && Get_UnitFlag(state, rec.GeoA_UnitId) == 1) return true;
  if (column_uses(rec, SystemType::GeoB) && Get_UnitFlag(state, rec.GeoB_UnitId) == 1) return true;
  return column_uses(rec, SystemType::GeoT) && Get_TUnitFlag(state, rec.GeoT_UnitId) == 1;
}

}  // namespace pellavan::model
