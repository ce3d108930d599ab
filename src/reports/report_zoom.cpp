#include "reports/report_zoom.h"

namespace pellavan::reports {

int stored_zoom(const model::ProjectRec& rec, const Report& r) {
  return clamp_report_zoom(rec.*r.zoom);
}

void store_sheet_zoom(model::ProjectRec& rec, int sheet, int percent) {
  for (const Report& r : kReports) {
    if (r.block.sheet == sheet) rec.*r.zoom = static_cast<model::Int16>(clamp_report_zoom(percent));
  }
}

void lock_zoom(model::ProjectRec& rec, int percent) {
  for (const Report& r : kReports)
    rec.*r.zoom = static_cast<model::Int16>(clamp_report_zoom(percent));
}

std::string zoom_label(int percent) {
  std::string digits = std::to_string(percent);
  if (digits.size() < 2) digits.insert(0, 2 - digits.size(), '0');  // "#00%"
  return digits + "%";
}

}  // namespace pellavan::reports
