#pragma once
// Bringing a project or default record read from a file to the current version, and the zoom
// levels every load shares: the first default file loaded in a run fixes the 18 report zoom
// levels (DefaultZoom) that every later load, default or project, receives.

#include <array>
#include <string_view>

#include "model/record/field_types.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

using DefaultZoom = VbArray<Int16, 0, 17>;

inline constexpr std::size_t kReportZoomCount = 18;
inline constexpr std::size_t kZoomCount = 24;  // the report levels, then six of the bin viewer

// The standard zoom levels, in file order, for a record that has none.
inline constexpr std::array<Int16, kZoomCount> kStandardZoom = {
    115, 100, 100, 115, 115, 100, 115, 100, 85,  115, 100, 85,
    115, 115, 100, 85,  95,  105, 115, 115, 115, 115, 115, 115};

// The zoom fields of the record in file order (offsets 28..75); const for a const record.
template <class Rec>
[[nodiscard]] auto zoom_fields(Rec& r) -> std::array<decltype(&r.Zoom_HeatPumpBin), kZoomCount> {
  return {
      &r.Zoom_HeatPumpBin,    &r.Zoom_HeatPumpSummary, &r.Zoom_HeatPumpGraph, &r.Zoom_FurnaceBin,
      &r.Zoom_FurnaceSummary, &r.Zoom_FurnaceGraph,    &r.Zoom_GeoABin,       &r.Zoom_GeoAGraph,
      &r.Zoom_GeoASummary,    &r.Zoom_GeoBBin,         &r.Zoom_GeoBGraph,     &r.Zoom_GeoBSummary,
      &r.Zoom_GeoTBin,        &r.Zoom_GeoTOperating,   &r.Zoom_GeoTGraph,     &r.Zoom_GeoTSummary,
      &r.Zoom_Project,        &r.Zoom_ProjectGraph,    &r.BinZoom_GeoA,       &r.BinZoom_GeoB,
      &r.BinZoom_GeoTBin,     &r.BinZoom_GeoTOp,       &r.BinZoom_HeatPump,   &r.BinZoom_Furnace};
}

// The zoom levels the views accept; a level read outside them is taken to the nearer end.
inline constexpr Int16 kMinZoom = 25;
inline constexpr Int16 kMaxZoom = 200;

// Gives every zoom field of rec its standard level.
void set_standard_zoom(ProjectRec& rec);

// Converts rec, just read with the given tag (one of KQ2..KQ7, any case): older files get the
// values their version lacked; the zoom levels are then made standard when missing, set from
// default_zoom once it holds the run's levels, and taken into kMinZoom..kMaxZoom.
void FileConversion(ProjectRec& rec, std::string_view tag, const DefaultZoom& default_zoom);

// Copies the 18 report zoom levels of rec into zoom.
void take_report_zoom(const ProjectRec& rec, DefaultZoom& zoom);

}  // namespace pellavan::model
