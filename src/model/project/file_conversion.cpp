#include "model/project/file_conversion.h"

#include <algorithm>

#include <limits>

#include "model/project/project_tags.h"
#include "model/text/ascii.h"

namespace pellavan::model {
namespace {

// Geo T block of a file written before Geo T existed.
void fill_geo_t_defaults(ProjectRec& r) {
  r.GeoT_UnitId = 3;
  r.GeoT_UnitName = "JN 1860 Varistep";
  r.GeoT_LoopWellHybrid = 0;
  r.GeoT_Tons = Currency::from_double(1);
  r.GeoT_Spare1 = "";
  r.GeoT_LoopId = 23;
  r.GeoT_LoopName = "Vert 1 U-Tube - 0.75\"";
  r.GeoT_SoilId = 2;
  r.GeoT_Depth = Currency::from_double(100);
  r.GeoT_BoreLength = 0;
  r.GeoT_HwGenerator = 0;
  r.GeoT_Spare2 = 0;
  r.GeoT_SoilName = "Average Rock";
  r.GeoT_LoopMinTemp = 30;
  r.GeoT_LoopMaxTemp = 90;
  r.GeoT_AutoSize = 1;
  r.GeoT_AuxId = 31;
  r.GeoT_AuxName = "Electric Duct Heater";
  r.GeoT_AuxInput = 46798;
  r.GeoT_Spare3 = 0;
  r.GeoT_Spare4 = 0;
  r.GeoT_WaterHeaterId = 0;
  r.GeoT_WaterHeaterName = "";
  r.GeoT_AuxMode = 0;
  r.GeoT_Spare5 = 0;
  r.GeoT_Spare6 = Currency{};
  r.GeoT_Spare7 = 0;
  r.Print_GeoT = 0;
  r.GeoT_HeatCapMin = Currency::from_double(0.3);
  r.GeoT_HeatCapMax = Currency::from_double(1);
  r.GeoT_CoolCapMin = Currency::from_double(0.3);
  r.GeoT_CoolCapMax = Currency::from_double(0.8);
}

// The oldest files kept Geo B tons scaled down by 10,000. A value too large to scale saturates
// rather than wrapping round.
Currency scaled_up(Currency tons) {
  constexpr std::int64_t kFactor = 10000;
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const std::int64_t raw = tons.raw();
  if (raw > kMax / kFactor) return Currency::from_raw(kMax);
  if (raw < -kMax / kFactor) return Currency::from_raw(-kMax);
  return Currency::from_raw(raw * kFactor);
}

}  // namespace

void FileConversion(ProjectRec& rec, std::string_view tag, const DefaultZoom& default_zoom) {
  const int version = tag_version(tag);
  if (equal_ignoring_case(tag, "KQ2")) rec.GeoB_Tons = scaled_up(rec.GeoB_Tons);
  if (version < 4) {
    rec.GeoA_AuxMode = 99;
    rec.GeoB_AuxMode = 99;
    rec.HeatPump_AuxMode = 99;
  }
  if (version < 7) {
    if (rec.Loads_DhwTemp > 135) rec.Loads_DhwTemp = 135;
    if (rec.GeoT_UnitId == 0) fill_geo_t_defaults(rec);
  }
  if (rec.Zoom_HeatPumpBin == 0) set_standard_zoom(rec);
  const auto zooms = zoom_fields(rec);
  if (default_zoom(0) != 0)
    for (std::size_t i = 0; i < kReportZoomCount; ++i)
      *zooms[i] = default_zoom(static_cast<int>(i));
  // A damaged file's level would reach every view and, through the default file, every project.
  for (Int16* zoom : zooms) *zoom = std::clamp(*zoom, kMinZoom, kMaxZoom);
}

void set_standard_zoom(ProjectRec& rec) {
  const auto zooms = zoom_fields(rec);
  for (std::size_t i = 0; i < kZoomCount; ++i) *zooms[i] = kStandardZoom[i];
}

void take_report_zoom(const ProjectRec& rec, DefaultZoom& zoom) {
  const auto zooms = zoom_fields(rec);
  for (std::size_t i = 0; i < kReportZoomCount; ++i) zoom(static_cast<int>(i)) = *zooms[i];
}

}  // namespace pellavan::model
