#include "workbook/report_template_text.h"

#include "sheet/book_text.h"

std::span<const pellavan::EmbeddedFile> report_workbook_template();  // generated from template/

namespace pellavan::workbook {

std::span<const EmbeddedFile> report_template_files() { return report_workbook_template(); }

sheet::Book load_report_template_text() {
  return sheet::load_book(report_template_files(), "book.txt");
}

}  // namespace pellavan::workbook
