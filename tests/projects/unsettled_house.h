#pragma once
// A project whose analysis goes round a cycle it cannot settle on: the sample's systems in the
// large leaky house of the city sweep (wbdump/sweep_houses.h), in the city of the climate table
// where its Geo A heating cost spans the most over the cycle, whatever cities the table holds.
// Header only: the project set itself links no workbook.

#include <filesystem>
#include <optional>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/city_lists.h"
#include "wbdump/sweep_houses.h"
#include "workbook/analysis_run.h"

namespace pellavan::testing {

// The project as the project window's Done finds it, before its load calculation and minimum
// backup; nullopt when the house settles in every city. A house whose analysis cycles but shows
// no span at all is taken too, so that a fault there is not taken for a settled table.
inline std::optional<model::ProjectRec> unsettled_house(workbook::ProjectAnalysis& analysis,
                                                        const std::filesystem::path& sample) {
  const model::ProjectRec base = workbook::read_project_for_analysis(sample);
  std::optional<model::ProjectRec> widest;
  double widest_share = -1;
  for (const model::CityEntry& city : model::read_city_file(analysis.model)) {
    model::CityRec record;
    model::find_catalogue_record(analysis.model.data_files, analysis.model.program_folder,
                                 model::kCityFile, city.id, record);
    model::ProjectRec p = base;
    p.Loads_CityId = city.id;
    wbdump::set_house(p, wbdump::kLargeHouse, record);
    analysis.model.ProjectRec = p;
    const workbook::AnalysisOutcome outcome = analysis.run();
    if (analysis.book.cycle_round() == 0) continue;
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

}  // namespace pellavan::testing
