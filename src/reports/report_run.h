#pragma once
// The fill behind the main window's Reports command: after its wait texts have been painted the
// window fills and recalculates the analysis workbook here, shows the warning when there is one
// and then shows the reports window.

#include <optional>
#include <string>

#include "workbook/analysis_run.h"
#include "workbook/filler/fill_report_workbook.h"

namespace pellavan::reports {

struct ReportFill {
  workbook::FillOutcome outcome;
  std::optional<std::string> warning;  // to show before the reports window opens
};

class ReportRun {
 public:
  // `charts` (not owned) draws the graphs after the recalculation; none are drawn without it.
  explicit ReportRun(workbook::AnalysisRun& run, workbook::ChartFiller* charts = nullptr)
      : run_(run), charts_(charts) {}

  // Fills the workbook from the project as it stands, with the load results of its last load
  // calculation; `project_file_title` is the project file's bare name.
  ReportFill Fill_ReportWorkbook(std::string project_file_title);

 private:
  workbook::AnalysisRun& run_;
  workbook::ChartFiller* charts_;
};

}  // namespace pellavan::reports
