#pragma once
// A report or page shown on the reports window's spreadsheet control: its sheet, rows 1 to its
// last row, the columns of the copy the unit mode shows, that block as print area, and the
// settings of a shown report. Printing prints what was set here last.

#include <string>
#include <utility>
#include <vector>

#include "reports/report_block.h"
#include "reports/report_table.h"
#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

void show_block(sheet::view::SpreadsheetControl& control, const ReportBlock& block, bool metric);

// The report at `zoom` percent (the control keeps it within 25 to 200).
void show_report_view(sheet::view::SpreadsheetControl& control, const Report& report, bool metric,
                      int zoom);

// What every print of the reports window sends with the print area: black and white or colour,
// centred, shrunk onto one sheet of paper.
void set_print_look(sheet::view::SpreadsheetControl& control, bool black_white);

// The notes under the print area of the control's active sheet for as long as it lives.
class PrintedNotes {
 public:
  PrintedNotes(sheet::view::SpreadsheetControl& control, std::vector<std::string> notes)
      : control_(control) {
    control_.PrintNotes(std::move(notes));
  }
  ~PrintedNotes() { control_.PrintNotes({}); }
  PrintedNotes(const PrintedNotes&) = delete;
  PrintedNotes& operator=(const PrintedNotes&) = delete;

 private:
  sheet::view::SpreadsheetControl& control_;
};

}  // namespace pellavan::reports
