#pragma once
// The sheets of ReportWorkbook by number, for the workbook's own code.

#include "model/report_workbook_sheets.h"

namespace pellavan::workbook {

using model::kReportSheetCount;
using model::ReportSheet;
using enum model::ReportSheet;

}  // namespace pellavan::workbook
