#include "reports/chart_view.h"

namespace pellavan::reports {

ChartWorkbook chart_workbook(sheet::view::SpreadsheetControl& F1Book1) {
  return {[&F1Book1]() -> sheet::BookControl& { return F1Book1.cells(); },
          [&F1Book1] { F1Book1.Book_Op211(1, 1); }};
}

std::unique_ptr<workbook::ChartFiller> make_report_charts(sheet::view::SpreadsheetControl& F1Book1,
                                                          const model::ModelState& model) {
  return std::make_unique<ReportCharts>(chart_workbook(F1Book1), model);
}

}  // namespace pellavan::reports
