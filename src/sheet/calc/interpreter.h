#pragma once
// Runs compiled formula code.

#include <cstdint>

#include "sheet/calc/eval_context.h"
#include "sheet/formula/code.h"

namespace pellavan::sheet {

// A formula's value from the value its code leaves: an empty cell's value shows 0, as
// spreadsheets have it, and an area alone is #VALUE!.
inline Value formula_result(Value v) {
  if (v.is_empty()) return Value::number(0.0);
  return v.is_area() ? Value::error(ErrorCode::kValue) : v;
}

// Runs `instrs` (a formula's Code::instrs, up to its kEnd) with its Code::constants.
// `slot_cells[i]` is the index in context.values of what cell slot i reads; `stack` holds at least
// Code::max_stack values. The result is never empty (an empty cell's value gives 0) nor an area;
// a text result may be a scratch text.
Value evaluate(const Instr* instrs, const Value* constants, const std::uint32_t* slot_cells,
               EvalContext& context, Value* stack);

}  // namespace pellavan::sheet
