#include "reports/page_notes.h"

namespace pellavan::reports {

namespace {

bool shows(const Report& report, const workbook::FigureSpan& span) {
  switch (report.figures) {
    case ShownFigures::kNone: return false;
    case ShownFigures::kComparedCosts: return span.money;
    case ShownFigures::kCosts: return span.money && span.type == report.system;
    case ShownFigures::kCostsAndLoop: return span.type == report.system;
  }
  return false;
}

// A figure of the loads or rates is every system's.
bool shows(const Report& report, const model::StoredFigure& figure) {
  if (report.figures == ShownFigures::kNone) return false;
  return report.figures == ShownFigures::kComparedCosts ||
         figure.system == model::SystemType::NoSystem || figure.system == report.system;
}

}  // namespace

std::vector<std::string> page_notes(const Report& report, const UnsettledFigures& unsettled) {
  std::vector<std::string> notes;
  for (const model::StoredFigure& figure : unsettled.refused)
    if (shows(report, figure)) notes.push_back(figure.message());
  for (const workbook::FigureSpan& span : unsettled.spans)
    if (shows(report, span)) notes.push_back(workbook::describe(span, unsettled.display));
  return notes;
}

}  // namespace pellavan::reports
