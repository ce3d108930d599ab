#pragma once
// The figures of a project no window of the program would accept, found by the windows' own
// validation tables (model/input/stored_figures.h), and the catalogue records its systems rest on
// that hold figures no unit can have: the project-information and utility-rates windows first,
// then the systems in the order of the system table, each system's figures before its records.
// The rows that hang on the equipment chosen (a loop's kind, an electric heater) judge it by the
// catalogue record its id selects, as the windows and the analysis do. The program tells one when
// the project opens (told_first), and the analysis calls no result usable that rests on one.

#include <vector>

#include "model/input/stored_figures.h"
#include "model/model_state.h"

namespace pellavan::systems {

// Of model.ProjectRec, in the display of model.MetricFlag, with the catalogues of the model's
// program folder (a missing catalogue ends the program, as every read of one does).
[[nodiscard]] std::vector<model::StoredFigure> stored_figures(model::ModelState& model);

}  // namespace pellavan::systems
