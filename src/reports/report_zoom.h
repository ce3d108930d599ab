#pragma once
// The zoom of the reports, kept in the project by report. The zoom bar takes 25 to 200 in steps
// of 5; a level read from a project file may lie outside that and is brought into it when read,
// and a level stored is always within it. The Geo T bin and operating reports share their sheet
// and so share what the bar stores for it.

#include <string>

#include "model/records/project_rec.h"
#include "reports/report_table.h"

namespace pellavan::reports {

inline constexpr int kMinReportZoom = 25;
inline constexpr int kMaxReportZoom = 200;
inline constexpr int kReportZoomStep = 5;

[[nodiscard]] constexpr int clamp_report_zoom(int percent) {
  return percent < kMinReportZoom   ? kMinReportZoom
         : percent > kMaxReportZoom ? kMaxReportZoom
                                    : percent;
}

// The report's stored zoom, within range.
[[nodiscard]] int stored_zoom(const model::ProjectRec& rec, const Report& r);

// The bar set to `percent` while `sheet` is active: the zoom of every report on that sheet takes
// it (within range); any other sheet stores nothing.
void store_sheet_zoom(model::ProjectRec& rec, int sheet, int percent);

// "Lock Zoom": every report takes the level (within range).
void lock_zoom(model::ProjectRec& rec, int percent);

// What lblZoom shows: "85%", "120%".
[[nodiscard]] std::string zoom_label(int percent);

}  // namespace pellavan::reports
