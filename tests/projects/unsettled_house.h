#pragma once
// A project whose analysis cannot settle on a figure of Geo A: the sample's systems in the large
// leaky house of the city sweep (wbdump/sweep_houses.h), in the first city of the climate table
// where a Geo A figure spans more than its limits over the cycle of its circular group, whatever
// cities the table holds. Header only: the project set itself links no workbook.

#include <filesystem>
#include <optional>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/city_lists.h"
#include "wbdump/sweep_houses.h"
#include "workbook/analysis_run.h"

namespace pellavan::testing {

// The project as the project window's Done leaves it, before its load calculation and minimum
// backup; `analysis` has run it.
inline std::optional<model::ProjectRec> unsettled_house(workbook::ProjectAnalysis& analysis,
                                                        const std::filesystem::path& sample) {
  const model::ProjectRec base = workbook::read_project_for_analysis(sample);
  for (const model::CityEntry& city : model::read_city_file(analysis.model)) {
    model::CityRec record;
    model::find_catalogue_record(analysis.model.data_files, analysis.model.program_folder,
                                 model::kCityFile, city.id, record);
    model::ProjectRec p = base;
    p.Loads_CityId = city.id;
    wbdump::set_house(p, wbdump::kLargeHouse, record);
    analysis.model.ProjectRec = p;
    for (const workbook::FigureSpan& span : analysis.run().fill.unsettled())
      if (span.system == "Geo A") return p;
  }
  return std::nullopt;
}

}  // namespace pellavan::testing
