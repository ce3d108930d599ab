#include "reports/chart_view.h"

namespace pellavan::reports {

ChartWorkbook chart_workbook(sheet::view::SpreadsheetControl& F1Book1) {
  return {[&F1Book1]() -> sheet::BookControl& { return F1Book1.cells(); },
          [&F1Book1] { F1Book1.Book_Op211(1, 1); }};
}

}  // namespace pellavan::reports
