#pragma once
// The six views of the bin-analysis viewer: for each code the sheet of the analysis workbook,
// its imperial column block (the metric copy lies 14 columns to the right), the caption and
// the project's zoom field. Every view shows rows 1 to 45.

#include <optional>

#include "model/records/project_rec.h"

namespace pellavan::geo {

struct BinView {
  int code = 0;
  int sheet = 0;
  int first_col = 0;  // imperial; the last is 12 further
  const char* caption = "";
  model::Int16 model::ProjectRec::*zoom = nullptr;
};

inline constexpr int kBinViewRows = 45;
inline constexpr int kMetricColumnShift = 14;
inline constexpr int kGeoTSheet = 25;

inline constexpr BinView kBinViews[] = {
    {1, 3, 52, "Geo A Bin Analysis", &model::ProjectRec::BinZoom_GeoA},
    {2, 4, 52, "Geo B Bin Analysis", &model::ProjectRec::BinZoom_GeoB},
    {3, 5, 35, "All Electric Bin Analysis", &model::ProjectRec::BinZoom_HeatPump},
    {4, 6, 23, "Furnace Bin Analysis", &model::ProjectRec::BinZoom_Furnace},
    {5, kGeoTSheet, 92, "Geo T Bin Analysis", &model::ProjectRec::BinZoom_GeoTBin},
    {6, kGeoTSheet, 120, "Geo T Op Analysis", &model::ProjectRec::BinZoom_GeoTOp},
};

[[nodiscard]] constexpr const BinView* bin_view(int code) {
  for (const BinView& v : kBinViews)
    if (v.code == code) return &v;
  return nullptr;
}

// The block's first column in the display the unit options give.
[[nodiscard]] constexpr int first_column(const BinView& view, bool metric) {
  return view.first_col + (metric ? kMetricColumnShift : 0);
}

// A zoom change on a sheet goes to the zoom fields of the views on that sheet.
inline void store_bin_zoom(model::ProjectRec& rec, int sheet, int zoom) {
  for (const BinView& v : kBinViews)
    if (v.sheet == sheet) rec.*v.zoom = static_cast<model::Int16>(zoom);
}

}  // namespace pellavan::geo
