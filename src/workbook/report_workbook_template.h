#pragma once
// ReportWorkbook's template: the 29 sheets of the analysis workbook, kept as book text and
// compiled into the program.

#include <span>

#include "platform/embedded_file.h"
#include "sheet/book.h"

namespace pellavan::workbook {

// The template's files: "book.txt" and the sheet files it names.
std::span<const EmbeddedFile> report_template_files();

// A fresh workbook as the template stores it (not yet calculated).
sheet::Book load_report_template();

}  // namespace pellavan::workbook
