#include "projects/project_set.h"

#include <array>
#include <string>

namespace pellavan::testing {

namespace {

const std::filesystem::path kSetDir = PELLAVAN_PROJECT_SET_DIR;

}  // namespace

std::span<const SetProject> project_set() {
  static const std::array<SetProject, 9> set = {{
      {"sample", std::filesystem::path(PELLAVAN_DATA_DIR) / "Sample Project.pvn", false},
      {"worked_example", worked_example(), false},
      {"calgary_extreme", kSetDir / "calgary_extreme.pvn", false},
      {"atlanta_water", kSetDir / "atlanta_water.pvn", false},
      {"winnipeg_metric", kSetDir / "winnipeg_metric.pvn", true},
      {"houston_heat_pump", kSetDir / "houston_heat_pump.pvn", false},
      {"minneapolis_tandem", kSetDir / "minneapolis_tandem.pvn", false},
      {"dallas_oil", kSetDir / "dallas_oil.pvn", false},
      {"lincoln_omaha", kSetDir / "lincoln_omaha.pvn", false},
  }};
  return set;
}

std::filesystem::path worked_example() { return PELLAVAN_WORKED_EXAMPLE; }

std::filesystem::path damaged_project(std::string_view name) {
  return kSetDir / "damaged" / (std::string(name) + ".pvn");
}

}  // namespace pellavan::testing
