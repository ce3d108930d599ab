#pragma once
// How the filler's steps write cells of the active sheet: by A1 address or 1-based row and
// column, and by the type of the field written, which picks its text form.
//
// Numbers and dates go through the entry rule (SetCellText), so "80000" becomes the number and
// "5/30/1996" the day serial. Text fields are written so that they stay text: a project number
// "036" or a description "1/2/03" must not turn into a number or a date. The empty text empties
// the cell either way.

#include <cstddef>
#include <string>
#include <string_view>

#include "model/record/field_types.h"
#include "model/record/cell_text_forms.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

using model::currency_text;
using model::date_text;
using model::double_text;
using model::field_bytes;
using model::integer_text;
using model::single_text;
using model::stored_field_text;
using model::stored_text;
using model::trimmed_field_text;
using model::trimmed_text;

// A cell of the active sheet: an A1 address, or a 1-based row and column.
struct CellAt {
  CellAt(int row_number, int col_number) : row(row_number), col(col_number) {}
  CellAt(std::string_view a1);  // throws std::invalid_argument for a text that is no address
  CellAt(const char* a1) : CellAt(std::string_view(a1)) {}
  CellAt(const std::string& a1) : CellAt(std::string_view(a1)) {}
  int row;
  int col;
};

// SetCellText: the entry rule decides what the text becomes.
void set_cell_text(FillContext& ctx, CellAt cell, std::string_view text);
inline void set_cell_text(FillContext& ctx, int row, int col, std::string_view text) {
  set_cell_text(ctx, CellAt(row, col), text);
}

// The text stays text (UTF-8); "" empties the cell.
void set_text_cell(FillContext& ctx, CellAt cell, std::string_view text);
inline void set_text_cell(FillContext& ctx, int row, int col, std::string_view text) {
  set_text_cell(ctx, CellAt(row, col), text);
}

// A number or date field in its text form.
inline void put(FillContext& ctx, CellAt cell, model::Currency v) {
  set_cell_text(ctx, cell, currency_text(v));
}
inline void put(FillContext& ctx, CellAt cell, model::Int16 v) {
  set_cell_text(ctx, cell, integer_text(v));
}
inline void put(FillContext& ctx, CellAt cell, model::Int32 v) {
  set_cell_text(ctx, cell, integer_text(v));
}
inline void put(FillContext& ctx, CellAt cell, model::Single v) {
  set_cell_text(ctx, cell, single_text(v));
}
inline void put(FillContext& ctx, CellAt cell, model::Double v) {
  set_cell_text(ctx, cell, double_text(v));
}
inline void put(FillContext& ctx, CellAt cell, model::OleDate v) {
  set_cell_text(ctx, cell, date_text(v));
}

// A text field, leading and trailing blanks removed; it stays text.
template <std::size_t N>
void put(FillContext& ctx, CellAt cell, const model::Text<N>& v) {
  set_text_cell(ctx, cell, trimmed_text(v));
}
// A text field with all its characters as stored; it stays text.
template <std::size_t N>
void put_stored(FillContext& ctx, CellAt cell, const model::Text<N>& v) {
  set_text_cell(ctx, cell, stored_text(v));
}

// "1" when set, else the empty text: the unit and option flags the sheets test with =1.
inline void put_flag(FillContext& ctx, CellAt cell, bool set) {
  set_cell_text(ctx, cell, set ? "1" : "");
}

// GetCellText of the active sheet read with Val: the leading number, 0 when there is none.
double read_number(const FillContext& ctx, CellAt cell);

}  // namespace pellavan::workbook
