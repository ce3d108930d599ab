#include "reports/report_view.h"

namespace pellavan::reports {

namespace {

constexpr int kReportLayout = 6;
constexpr int kReportLayoutOther = 25;
constexpr int kPrintCentred = 37;

}  // namespace

void show_block(sheet::view::SpreadsheetControl& control, const ReportBlock& block, bool metric) {
  const Columns cols = block.columns(metric);
  control.ActiveSheet(block.sheet);
  control.Book_Op229();
  control.ViewFirstRow(1);
  control.ViewLastRow(block.last_row);
  control.ViewFirstCol(cols.first);
  control.ViewLastCol(cols.last);
  control.PrintArea(print_area(block, metric));
  control.Book_Prop(kReportLayout, 2);
  control.Book_Prop(kReportLayoutOther, 1);
}

void show_report_view(sheet::view::SpreadsheetControl& control, const Report& report, bool metric,
                      int zoom) {
  show_block(control, report.block, metric);
  control.ViewZoom(zoom);
}

void set_print_look(sheet::view::SpreadsheetControl& control, bool black_white) {
  control.PrintBlackWhite(black_white);
  control.Book_Prop(kPrintCentred, true);
  control.SetPrintScale(100, true, 1, 1);
}

}  // namespace pellavan::reports
