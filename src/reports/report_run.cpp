#include "reports/report_run.h"

#include <utility>

#include "workbook/results_words.h"

namespace pellavan::reports {

ReportFill ReportRun::Fill_ReportWorkbook(std::string project_file_title) {
  ReportFill result;
  result.outcome = run_.fill(std::move(project_file_title), charts_);
  result.warning =
      workbook::results_warning(result.outcome, workbook::ResultsDisplay::of(run_.model()));
  return result;
}

}  // namespace pellavan::reports
