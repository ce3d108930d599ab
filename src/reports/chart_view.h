#pragma once
// The graphs drawn into the workbook on the reports window's spreadsheet control: after each one
// the view selects the start of the sheet's block.

#include <memory>

#include "reports/charts/report_charts.h"
#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

ChartWorkbook chart_workbook(sheet::view::SpreadsheetControl& F1Book1);

// The graphs of every fill drawn on that control, as the program hands them to its state.
std::unique_ptr<workbook::ChartFiller> make_report_charts(sheet::view::SpreadsheetControl& F1Book1,
                                                          const model::ModelState& model);

}  // namespace pellavan::reports
