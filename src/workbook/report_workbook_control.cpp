#include "workbook/report_workbook_control.h"

#include <stdexcept>
#include <string>

#include "workbook/report_sheets.h"

namespace pellavan::workbook {

void ReportWorkbookControl::set_active_sheet(int sheet) {
  if (sheet < 1 || sheet > kReportSheetCount || sheet > control_.sheet_count())
    throw std::out_of_range("no sheet " + std::to_string(sheet) + " in the analysis workbook");
  control_.set_active_sheet(sheet);
}

}  // namespace pellavan::workbook
