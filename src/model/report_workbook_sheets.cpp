#include "model/report_workbook_sheets.h"

#include <stdexcept>
#include <string>

namespace pellavan::model {

void InMemoryReportWorkbookSheets::set_active_sheet(int sheet) {
  if (sheet < 1 || sheet > kReportSheetCount)
    throw std::out_of_range("sheet " + std::to_string(sheet) + " outside 1.." +
                            std::to_string(kReportSheetCount));
  active_ = sheet;
}

}  // namespace pellavan::model
