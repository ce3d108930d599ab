#pragma once
// The three houses of the city sweep: the project's own building, a small well-insulated one and
// a large leaky one, each with the heating and cooling Delta T the city's design temperatures
// call for. Tests and the screenshot tools take the large one where they need an analysis that
// goes round a cycle it cannot settle on.

#include <filesystem>
#include <optional>
#include <span>

#include "model/record/field_types.h"
#include "model/records/city_rec.h"
#include "model/records/project_rec.h"
#include "workbook/analysis_run.h"

namespace pellavan::wbdump {

struct House {
  const char* name;
  model::Int32 heat_load = 0;  // 0: the project's own building
  model::Int32 cool_load = 0;
  model::Int16 construction = 0;
};

inline constexpr House kProjectHouse{"project"};
inline constexpr House kSmallHouse{"small", 24000, 18000, 5};    // well insulated
inline constexpr House kLargeHouse{"large", 200000, 150000, 1};  // leaky

std::span<const House> sweep_houses();

// The project's loads those of the house in the city, its sensible share of the cooling load
// kept.
void set_house(model::ProjectRec& p, const House& house, const model::CityRec& city);

// The project's systems in the large house, in the city of the climate table where its analysis
// goes round a cycle and the Geo A heating cost spans the most over it, whatever cities the table
// holds: the project as the project window's Done finds it, before its load calculation and
// minimum backup. A house that cycles without any span is taken too, so that a fault there is not
// taken for a settled table; nullopt when the house settles in every city. Runs each city on
// `analysis`.
std::optional<model::ProjectRec> widest_cycle_house(workbook::ProjectAnalysis& analysis,
                                                    const model::ProjectRec& project);
// The large house settles everywhere on the template's formulas: callers that need a cycle put
// fill old_backup_template() (formula_override.h) in each book.
// The same for the project file as the program opens it, on an analysis of its own over the
// catalogues of `program_folder`, filling old_backup_template().
std::optional<model::ProjectRec> widest_cycle_house(const std::filesystem::path& program_folder,
                                                    const std::filesystem::path& project);

}  // namespace pellavan::wbdump
