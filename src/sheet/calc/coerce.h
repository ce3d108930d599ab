#pragma once
// How operators and functions read their operands, by the usual spreadsheet rules: an empty cell
// is 0, "" or FALSE as the context wants; a text that reads as a number (the entry rule: decimal
// or m/d/y date, blanks around it allowed) counts as that number; booleans count as 1 and 0;
// anything else is #VALUE!.

#include <string_view>

#include "sheet/string_pool.h"
#include "sheet/value.h"

namespace pellavan::sheet {

// Texts built by evaluation longer than this become #VALUE! (a cell holds at most this many).
inline constexpr std::size_t kMaxTextLength = 32767;

// A number Value, or the error Value to hand on.
Value number_operand(Value v, const StringPool& pool);
// A boolean Value ("TRUE"/"FALSE" texts in any case count), or the error Value.
Value logical_operand(Value v, const StringPool& pool);
// The text of a non-error value: numbers as cell_text writes them, "TRUE"/"FALSE", "" for empty.
TextId text_operand(Value v, StringPool& pool);

// Finite numbers stay; infinities and NaN become #NUM!.
[[gnu::always_inline]] inline Value number_result(double x) {
  return x - x == 0.0 ? Value::number(x) : Value::error(ErrorCode::kNum);
}

// Order of the comparison operators for two non-error values: numbers before texts before FALSE
// before TRUE; texts ignore case; an empty operand takes the other side's kind (0, "" or FALSE).
int compare_values(Value a, Value b, const StringPool& pool);

// ASCII letters folded to upper case; other bytes (UTF-8 sequences included) left alone.
char fold_case(char c);
int compare_ignoring_case(std::string_view a, std::string_view b);

}  // namespace pellavan::sheet
