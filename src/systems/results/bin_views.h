#pragma once
// The bin-analysis viewer's views (model::kBinViews, one row per view in the system table's
// header) as the viewer shows them: every view shows rows 1 to 45 of its sheet, in the block of
// the display's copy.

#include "model/project/system_kinds.h"
#include "model/records/project_rec.h"

namespace pellavan::systems {

using model::BinView;
using model::BinViewId;

// A zoom change on a sheet goes to the zoom fields of the views on that sheet.
inline void store_bin_zoom(model::ProjectRec& rec, int sheet, int zoom) {
  for (const BinView& v : model::kBinViews)
    if (v.sheet == sheet) rec.*v.zoom = static_cast<model::Int16>(zoom);
}

}  // namespace pellavan::systems
