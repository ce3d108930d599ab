#include "workbook/filler/cell_writes.h"

#include <stdexcept>
#include <string>

#include "model/units/number_text.h"
#include "sheet/address.h"

namespace pellavan::workbook {

namespace {

// 1-based row and column of an A1 address; the steps name fixed cells, so a bad one is a bug.
std::pair<int, int> row_col(std::string_view a1) {
  const auto pos = sheet::parse_a1(a1);
  if (!pos) throw std::invalid_argument("no cell address: " + std::string(a1));
  return {pos->row + 1, pos->col + 1};
}

void trace(FillContext& ctx, int row, int col, std::string_view text, bool as_text) {
  if (ctx.trace) ctx.trace->push_back({ctx.ReportWorkbook.active_sheet(), row, col, std::string(text), as_text});
}

}  // namespace

void set_cell_text(FillContext& ctx, int row, int col, std::string_view text) {
  ctx.ReportWorkbook.set_cell_text(row, col, text);
  trace(ctx, row, col, text, false);
}

void set_cell_text(FillContext& ctx, std::string_view a1, std::string_view text) {
  const auto [row, col] = row_col(a1);
  set_cell_text(ctx, row, col, text);
}

void set_text_cell(FillContext& ctx, int row, int col, std::string_view text) {
  if (text.empty()) {
    ctx.ReportWorkbook.set_cell_text(row, col, text);
  } else {
    sheet::Book& book = ctx.ReportWorkbook.book();
    book.set_cell_value(ctx.ReportWorkbook.at(row, col), sheet::Value::text(book.intern(text)));
  }
  trace(ctx, row, col, text, true);
}

void set_text_cell(FillContext& ctx, std::string_view a1, std::string_view text) {
  const auto [row, col] = row_col(a1);
  set_text_cell(ctx, row, col, text);
}

double read_number(const FillContext& ctx, std::string_view a1) {
  const auto [row, col] = row_col(a1);
  return model::Val(ctx.ReportWorkbook.cell_text(row, col));
}

}  // namespace pellavan::workbook
