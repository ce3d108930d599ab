#include "workbook/filler/cell_writes.h"

#include <stdexcept>
#include <string>

#include "model/units/number_text.h"
#include "sheet/address.h"

namespace pellavan::workbook {

namespace {

void trace(FillContext& ctx, CellAt cell, std::string_view text, bool as_text) {
  if (ctx.trace)
    ctx.trace->push_back(
        {ctx.ReportWorkbook.active_sheet(), cell.row, cell.col, std::string(text), as_text});
}

}  // namespace

// The steps name fixed cells, so an address that does not parse is a bug.
CellAt::CellAt(std::string_view a1) {
  const auto pos = sheet::parse_a1(a1);
  if (!pos) throw std::invalid_argument("no cell address: " + std::string(a1));
  row = pos->row + 1;
  col = pos->col + 1;
}

void set_cell_text(FillContext& ctx, CellAt cell, std::string_view text) {
  ctx.ReportWorkbook.set_cell_text(cell.row, cell.col, text);
  trace(ctx, cell, text, false);
}

void set_text_cell(FillContext& ctx, CellAt cell, std::string_view text) {
  if (text.empty()) {
    ctx.ReportWorkbook.set_cell_text(cell.row, cell.col, text);
  } else {
    sheet::Book& book = ctx.ReportWorkbook.book();
    book.set_cell_value(ctx.ReportWorkbook.at(cell.row, cell.col),
                        sheet::Value::text(book.intern(text)));
  }
  trace(ctx, cell, text, true);
}

double read_number(const FillContext& ctx, CellAt cell) {
  return model::Val(ctx.ReportWorkbook.cell_text(cell.row, cell.col));
}

}  // namespace pellavan::workbook
