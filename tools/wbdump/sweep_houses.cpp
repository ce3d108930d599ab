#include "wbdump/sweep_houses.h"

#include <algorithm>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/city_lists.h"
#include "wbdump/formula_override.h"

namespace pellavan::wbdump {

namespace {

constexpr House kHouses[] = {kProjectHouse, kSmallHouse, kLargeHouse};

// The Delta T from the indoor temperature to the city's design temperature, within the range
// the project-information window accepts.
model::Int16 delta_t(double from, double to, int low, int high) {
  return static_cast<model::Int16>(std::clamp(static_cast<int>(to - from + 0.5), low, high));
}

}  // namespace

std::span<const House> sweep_houses() { return kHouses; }

void set_house(model::ProjectRec& p, const House& house, const model::CityRec& city) {
  if (house.heat_load != 0) {
    const double sensible = static_cast<double>(p.Loads_SensibleLoad) / p.Loads_CoolLoad;
    p.Loads_HeatLoad = house.heat_load;
    p.Loads_CoolLoad = house.cool_load;
    p.Loads_SensibleLoad = static_cast<model::Int32>(house.cool_load * sensible + 0.5);
    p.Loads_Construction = house.construction;
  }
  p.Loads_HeatDeltaT = delta_t(city.WeatherData(31).to_double(), p.Loads_HeatSetPoint, 10, 125);
  p.Loads_CoolDeltaT = delta_t(p.Loads_CoolSetPoint, city.WeatherData(32).to_double(), 5, 50);
}

std::optional<model::ProjectRec> widest_cycle_house(workbook::ProjectAnalysis& analysis,
                                                    const model::ProjectRec& project) {
  std::optional<model::ProjectRec> widest;
  double widest_share = -1;
  for (const model::CityEntry& city : model::read_city_file(analysis.model)) {
    model::CityRec record;
    model::find_catalogue_record(analysis.model.data_files, analysis.model.program_folder,
                                 model::kCityFile, city.id, record);
    model::ProjectRec p = project;
    p.Loads_CityId = city.id;
    set_house(p, kLargeHouse, record);
    analysis.model.ProjectRec = p;
    const workbook::AnalysisOutcome outcome = analysis.run();
    if (outcome.fill.recalc.cycle_round() == 0) continue;
    double share = 0;
    for (const workbook::FigureSpan& span : outcome.fill.spans) {
      if (span.system == "Geo A" && span.quantity == "heating cost" && span.figure > 0)
        share = (span.high - span.low) / span.figure;
    }
    if (share > widest_share) {
      widest = p;
      widest_share = share;
    }
  }
  return widest;
}

std::optional<model::ProjectRec> widest_cycle_house(const std::filesystem::path& program_folder,
                                                    const std::filesystem::path& project) {
  workbook::ProjectAnalysis analysis(program_folder);
  analysis.book = old_backup_template();
  return widest_cycle_house(analysis, workbook::read_project_for_analysis(project));
}

}  // namespace pellavan::wbdump
