#pragma once
// The open test for discontinued units: while "Show Inactive Units" is No, a project whose
// columns use a discontinued unit is not opened.

#include "model/model_state.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

// True when a column of rec uses Geo A, Geo B or Geo T (tested in this order) and that kind's
// unit is flagged discontinued (flag 1) in its catalogue. A catalogue is read only for a kind
// some column uses. Reads through state's catalogue buffers.
[[nodiscard]] bool uses_discontinued_unit(ModelState& state, const ProjectRec& rec);

}  // namespace pellavan::model
