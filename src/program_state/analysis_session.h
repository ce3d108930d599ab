#pragma once
// The program's analysis: the analysis workbook on the reports window's spreadsheet control (the
// system windows and the bin viewer attach views of their own to it), the building-load
// workbook, the results of the last load calculation, the charts drawn after every fill (made by
// the program's ChartsMaker) and the run over them. One of each lives for the whole run; nothing
// of it is ever saved.

#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "program_state/app_state.h"
#include "sheet/book.h"
#include "sheet/book_control.h"
#include "sheet_view/spreadsheet_control.h"
#include "workbook/analysis_run.h"

namespace pellavan::program_state {

class AnalysisSession {
 public:
  // The graphs every fill draws come from `make_charts`; none when it is empty.
  AnalysisSession(model::ModelState& model, const ChartsMaker& make_charts);
  AnalysisSession(const AnalysisSession&) = delete;
  AnalysisSession& operator=(const AnalysisSession&) = delete;

  // The reports window's control over the analysis workbook (F1Book1); the reports window takes
  // it into its layout.
  sheet::view::SpreadsheetControl& F1Book1() { return *report_; }
  sheet::BookControl& BuildingLoadWorkbook() { return building_load_control_; }
  model::LoadCalcState& loads() { return loads_; }
  workbook::AnalysisRun& run() { return run_; }

  // Calc_Loads on the building-load workbook, and Min_Backup after it, as the project window's
  // Done runs them.
  loads::LoadCalcStatus Calc_Loads() { return run_.calculate_loads(); }
  loads::MinBackupOutcome Min_Backup() { return run_.raise_to_minimum_backup(); }
  // The project's loads and minimum backup inputs from its current inputs (an opened or new
  // project); no stored input is raised.
  loads::ProjectLoads Calc_Project_Loads();
  // When the project's last load calculation failed, shows why over `parent` and returns true:
  // no analysis runs on loads that are not the project's.
  bool refuse_failed_loads(QWidget* parent);

  // Fill_ReportWorkbook as a system window's run timer and the report timer call it: every
  // input written, one recalculation, the charts drawn, the results read back. When the results
  // are unusable, or a figure of them was not settled on, one warning naming each is shown over
  // `parent`.
  workbook::FillOutcome Fill_ReportWorkbook(QWidget* parent, const QString& project_file_title);
  // The figures the last fill could not settle on: the workbook's values are that fill's, and the
  // printed reports name them.
  [[nodiscard]] const std::vector<workbook::FigureSpan>& unsettled() const { return unsettled_; }
  // The stored figures the last fill kept out of the analysis: the printed reports name them.
  [[nodiscard]] const std::vector<model::StoredFigure>& refused() const { return refused_; }

 private:
  model::ModelState& model_;
  model::LoadCalcState loads_;
  std::unique_ptr<sheet::view::SpreadsheetControl> report_;
  sheet::Book building_load_;
  sheet::BookControl building_load_control_;
  std::unique_ptr<workbook::ChartFiller> charts_;
  workbook::AnalysisRun run_;
  std::vector<workbook::FigureSpan> unsettled_;
  std::vector<model::StoredFigure> refused_;
};

}  // namespace pellavan::program_state
