#pragma once
// How the filler's steps write cells of the active sheet: by A1 address or 1-based row and
// column, and by the type of the field written, which picks its text form.
//
// Numbers and dates go through the entry rule (SetCellText), so "80000" becomes the number and
// "5/30/1996" the day serial. Text fields are written so that they stay text: a project number
// "036" or a description "1/2/03" must not turn into a number or a date. The empty text empties
// the cell either way.

#include <cstddef>
#include <string_view>

#include "model/record/field_types.h"
#include "workbook/filler/cell_text_forms.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// SetCellText: the entry rule decides what the text becomes.
void set_cell_text(FillContext& ctx, int row, int col, std::string_view text);
void set_cell_text(FillContext& ctx, std::string_view a1, std::string_view text);

// The text stays text (UTF-8); "" empties the cell.
void set_text_cell(FillContext& ctx, int row, int col, std::string_view text);
void set_text_cell(FillContext& ctx, std::string_view a1, std::string_view text);

// A number or date field in its text form.
inline void put(FillContext& ctx, std::string_view a1, model::Currency v) { set_cell_text(ctx, a1, currency_text(v)); }
inline void put(FillContext& ctx, std::string_view a1, model::Int16 v) { set_cell_text(ctx, a1, integer_text(v)); }
inline void put(FillContext& ctx, std::string_view a1, model::Int32 v) { set_cell_text(ctx, a1, integer_text(v)); }
inline void put(FillContext& ctx, std::string_view a1, model::Single v) { set_cell_text(ctx, a1, single_text(v)); }
inline void put(FillContext& ctx, std::string_view a1, model::Double v) { set_cell_text(ctx, a1, double_text(v)); }
inline void put(FillContext& ctx, std::string_view a1, model::OleDate v) { set_cell_text(ctx, a1, date_text(v)); }

// A text field, leading and trailing blanks removed; it stays text.
template <std::size_t N>
void put(FillContext& ctx, std::string_view a1, const model::Text<N>& v) {
  set_text_cell(ctx, a1, trimmed_text(v));
}
// A text field with all its characters as stored; it stays text.
template <std::size_t N>
void put_stored(FillContext& ctx, std::string_view a1, const model::Text<N>& v) {
  set_text_cell(ctx, a1, stored_text(v));
}

// "1" when set, else the empty text: the unit and option flags the sheets test with =1.
inline void put_flag(FillContext& ctx, std::string_view a1, bool set) { set_cell_text(ctx, a1, set ? "1" : ""); }

// GetCellText of the active sheet read with Val: the leading number, 0 when there is none.
double read_number(const FillContext& ctx, std::string_view a1);

}  // namespace pellavan::workbook
