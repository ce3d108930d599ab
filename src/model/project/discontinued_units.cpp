#include "model/project/discontinued_units.h"

#include "model/catalogue/catalogue_readers.h"
#include "model/project/system_kinds.h"

namespace pellavan::model {
bool uses_discontinued_unit(ModelState& state, const ProjectRec& rec) {
  if (compared(rec, SystemType::GeoA) && Get_UnitFlag(state, rec.GeoA_UnitId) == 1) return true;
  if (compared(rec, SystemType::GeoB) && Get_UnitFlag(state, rec.GeoB_UnitId) == 1) return true;
  return compared(rec, SystemType::GeoT) && Get_TUnitFlag(state, rec.GeoT_UnitId) == 1;
}

}  // namespace pellavan::model
