#include "projects/project_set.h"

#include <array>
#include <string>

namespace pellavan::testing {

namespace {

// A function rather than a global: benchmarks register their ranges from the set during static
// initialisation.
std::filesystem::path set_dir() { return PELLAVAN_PROJECT_SET_DIR; }

}  // namespace

std::span<const SetProject> project_set() {
  static const std::array<SetProject, 10> set = {{
      {"sample", std::filesystem::path(PELLAVAN_DATA_DIR) / "Sample Project.pvn", false},
      {"worked_example", worked_example(), false},
      {"calgary_extreme", set_dir() / "calgary_extreme.pvn", false},
      {"atlanta_water", set_dir() / "atlanta_water.pvn", false},
      {"winnipeg_metric", set_dir() / "winnipeg_metric.pvn", true},
      {"houston_heat_pump", set_dir() / "houston_heat_pump.pvn", false},
      {"minneapolis_tandem", set_dir() / "minneapolis_tandem.pvn", false},
      {"dallas_oil", set_dir() / "dallas_oil.pvn", false},
      {"lincoln_omaha", set_dir() / "lincoln_omaha.pvn", false},
      {"houston_geo_t", set_dir() / "houston_geo_t.pvn", false},
  }};
  return set;
}

std::filesystem::path set_project_file(std::string_view name) {
  for (const SetProject& p : project_set())
    if (p.name == name) return p.file;
  return {};
}

std::filesystem::path worked_example() { return PELLAVAN_WORKED_EXAMPLE; }

std::filesystem::path damaged_project(std::string_view name) {
  return set_dir() / "damaged" / (std::string(name) + ".pvn");
}

}  // namespace pellavan::testing
