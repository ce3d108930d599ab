#pragma once
// "Print Screen" of the reports window: the print area of the report on screen, after the
// printer prompt, in the window's colour choice, with `notes` under it. The zoom does not change
// what prints.

#include <QPrinter>
#include <string>
#include <vector>

#include "reports/report_printing.h"
#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

PrintOutcome print_screen(sheet::view::SpreadsheetControl& control, QPrinter& printer,
                          bool black_white, const PrinterPrompt& ask,
                          std::vector<std::string> notes = {});

}  // namespace pellavan::reports
