#include "workbook/filler/summary_sheets.h"

#include <limits>

#include "sheet/address.h"

namespace pellavan::workbook {

sheet::CellPos summary_pos(int sheet_number, std::string_view cell) {
  sheet::CellPos pos = *sheet::parse_a1(cell);
  pos.sheet = sheet_number - 1;
  return pos;
}

double number_at(const sheet::Book& book, int sheet_number, std::string_view cell) {
  const sheet::Value v = book.cell_value(summary_pos(sheet_number, cell));
  return v.is_number() ? v.as_number() : std::numeric_limits<double>::quiet_NaN();
}

bool open_well(const sheet::Book& book, const SummarySheet& summary) {
  constexpr double kOpenWellCode = 10;
  return number_at(book, summary.system_sheet, summary.loop_code) == kOpenWellCode;
}

}  // namespace pellavan::workbook
