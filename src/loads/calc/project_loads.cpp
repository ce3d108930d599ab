#include "loads/calc/load_calculation.h"

namespace pellavan::loads {

ProjectLoads Calc_Project_Loads(model::ModelState& model, sheet::BookControl& BuildingLoadWorkbook,
                                model::LoadCalcState& loads,
                                std::span<const model::StoredFigure> kept_out) {
  ProjectLoads out;
  out.status = Calc_Loads(model, BuildingLoadWorkbook, loads, kept_out);
  out.minimum = Min_Backup(model, loads, RaiseInputs::kNo, kept_out);
  return out;
}

std::string load_message(const model::LoadCalcState& loads) {
  if (loads.LoadsInvalid == 0) return {};
  if (loads.CityMissing != 0) return std::string(kCityNotFoundMessage);
  return std::string(kLoadsInvalidMessage) + "\n\n" + std::string(kLoadsInvalidAdvice);
}

}  // namespace pellavan::loads
