#pragma once
// The figures of a project no window of the program would accept, found by the windows' own
// validation tables (model/input/stored_figures.h): the project-information and utility-rates
// windows first, then the systems in the order of the system table. The program tells the first
// when the project opens, and the analysis calls no result usable that rests on one.

#include <vector>

#include "model/input/stored_figures.h"
#include "model/input/unit_options.h"
#include "model/records/project_rec.h"

namespace pellavan::systems {

[[nodiscard]] std::vector<model::StoredFigure> stored_figures(const model::ProjectRec& rec,
                                                              const model::UnitOptions& units);

}  // namespace pellavan::systems
