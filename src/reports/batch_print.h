#pragma once
// The batch print of the reports window: the planned pages printed one after the other as one
// print job, after one printer prompt shown before the first page (none when nothing is to
// print). Each page is set up on the control as its row of the page table says, shrunk onto one
// sheet of paper, and carries its "Page n" while it prints; the number is cleared again whatever
// happens. Cancel or a failure ends the run. At its end, in every case, the control shows the
// Project Report.

#include <QPrinter>
#include <functional>
#include <string>
#include <vector>

#include "reports/batch_page_plan.h"
#include "reports/report_printing.h"
#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

struct BatchPrint {
  std::vector<PlannedPage> pages;  // plan_batch
  int zoom = 100;                  // the zoom bar's level
  bool black_white = false;
  bool metric = false;
  std::function<void(const std::string&)> status;  // the status line, told each page's text
};

// Prints on `printer`, which the prompt may change; the control prints on it only during the run.
PrintOutcome print_batch(sheet::view::SpreadsheetControl& control, QPrinter& printer,
                         const BatchPrint& batch, const PrinterPrompt& ask);

}  // namespace pellavan::reports
