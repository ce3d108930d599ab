#pragma once
// ReportWorkbook's template as written: the 29 sheets of the analysis workbook, kept as book
// text and compiled into the program, without the cached values settled from it.

#include <span>

#include "sheet/text/embedded_file.h"
#include "sheet/book.h"

namespace pellavan::workbook {

// The template's files: "book.txt" and the sheet files it names.
std::span<const EmbeddedFile> report_template_files();

// The template's cells, formulas, styles, seeds and settings; formula cells hold no value yet.
sheet::Book load_report_template_text();

}  // namespace pellavan::workbook
