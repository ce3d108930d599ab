#pragma once
// The bin-analysis viewer's views (model::kBinViews, one row per view in the system table's
// header) as the viewer shows them: every view shows rows 1 to 45 of its sheet, the metric copy
// of its block lies 14 columns to the right.

#include "model/project/system_kinds.h"
#include "model/records/project_rec.h"

namespace pellavan::systems {

using model::BinView;
using model::BinViewId;

inline constexpr int kBinViewRows = 45;
inline constexpr int kMetricColumnShift = 14;

// The block's first column in the display the unit options give.
[[nodiscard]] constexpr int first_column(const BinView& view, bool metric) {
  return view.first_col + (metric ? kMetricColumnShift : 0);
}

// A zoom change on a sheet goes to the zoom fields of the views on that sheet.
inline void store_bin_zoom(model::ProjectRec& rec, int sheet, int zoom) {
  for (const BinView& v : model::kBinViews)
    if (v.sheet == sheet) rec.*v.zoom = static_cast<model::Int16>(zoom);
}

}  // namespace pellavan::systems
