#include "reports/report_run.h"

#include <utility>

namespace pellavan::reports {

std::optional<std::string> unusable_results_warning(const workbook::FillOutcome& fill) {
  if (fill.usable()) return std::nullopt;
  std::string text = "The reports may show wrong figures. The analysis found:";
  for (const std::string& line : fill.problems()) text.append("\n").append(line);
  return text;
}

ReportFill ReportRun::Fill_ReportWorkbook(std::string project_file_title) {
  ReportFill result;
  result.outcome = run_.fill(std::move(project_file_title), charts_);
  result.warning = unusable_results_warning(result.outcome);
  return result;
}

}  // namespace pellavan::reports
