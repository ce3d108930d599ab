#pragma once
// The analysis workbook template as stored, loaded once for the tests of a binary that only
// look at it.

#include "sheet/book.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook::testing {

inline const sheet::Book& template_book() {
  static const sheet::Book book = load_report_template();
  return book;
}

}  // namespace pellavan::workbook::testing
