#pragma once
// ReportWorkbook as the program starts with it: the template with its cached values, the
// results of the template's sample project, from which the first recalculation after start-up
// iterates.

#include <span>

#include "sheet/text/embedded_file.h"
#include "sheet/book.h"
#include "workbook/report_template_text.h"

namespace pellavan::sheet {
class NativeCode;  // sheet/calc/native_code.h
}

namespace pellavan::workbook {

// The values files, "sheet01.values" to "sheet29.values", settled at build time.
std::span<const EmbeddedFile> report_values_files();

// The template's formula code compiled ahead of time (made by pellavan-nativegen at build time).
const sheet::NativeCode& report_workbook_native_code();

// A fresh workbook as the template stores it, cached values included (not recalculated), with
// that state marked, and its formulas running their compiled code: each fill returns to that
// state before writing.
sheet::Book load_report_template();
// The same from other template files ("book.txt" and the sheet files it names, as
// report_template_files() has them): a purpose-built workbook that fills as the template does.
sheet::Book load_report_template(std::span<const EmbeddedFile> template_files);

}  // namespace pellavan::workbook
