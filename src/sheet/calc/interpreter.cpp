#include "sheet/calc/interpreter.h"

#include <span>

#include "sheet/calc/near_equal.h"
#include "sheet/calc/operators.h"
#include "sheet/functions/call_args.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

Value evaluate(const Code& code, const std::uint32_t* slot_cells, EvalContext& context, Value* stack) {
  const Instr* const instrs = code.instrs.data();
  const std::uint32_t end = static_cast<std::uint32_t>(code.instrs.size());
  const Cell* const cells = context.cells;
  StringPool& pool = *context.pool;
  const FunctionSpec* const function_table = functions().data();
  Value* top = stack;  // one past the top value
  std::uint32_t pc = 0;
  while (pc < end) {
    const Instr in = instrs[pc++];
    switch (in.op) {
      case Op::kConst: *top++ = code.constants[in.arg]; break;
      case Op::kRef: *top++ = cells[slot_cells[in.arg]].value; break;
      case Op::kArea:
        *top++ = context.areas[in.arg].valid ? Value::area(in.arg) : Value::error(ErrorCode::kRef);
        break;
      case Op::kNegate: {
        Value& a = top[-1];
        a = a.is_number() ? Value::number(-a.as_number()) : negation(a, pool);
        break;
      }
      case Op::kAdd:
      case Op::kSub:
      case Op::kMul:
      case Op::kDiv:
      case Op::kPow: {
        const Value b = *--top;
        Value& a = top[-1];
        a = a.is_number() && b.is_number() ? number_arithmetic(in.op, a.as_number(), b.as_number())
                                           : arithmetic(in.op, a, b, pool);
        break;
      }
      case Op::kConcat: {
        const Value b = *--top;
        top[-1] = concatenation(top[-1], b, pool);
        break;
      }
      case Op::kEq:
      case Op::kNe:
      case Op::kLt:
      case Op::kLe:
      case Op::kGt:
      case Op::kGe: {
        const Value b = *--top;
        Value& a = top[-1];
        if (a.is_number() && b.is_number()) {
          a = Value::boolean(ordering_holds(in.op, tolerant_order(a.as_number(), b.as_number())));
        } else {
          a = comparison(in.op, a, b, pool);
        }
        break;
      }
      case Op::kBranch: {
        const Value c = *--top;
        const Value cond = c.is_boolean() ? c : logical_operand(c, pool);
        if (cond.is_error()) {
          *top++ = cond;
          pc = in.aux;
        } else if (!cond.as_boolean()) {
          pc = in.arg;
        }
        break;
      }
      case Op::kJump: pc = in.arg; break;
      case Op::kCall: {
        top -= in.argc;
        *top = call_function(function_table[in.arg], std::span<Value>(top, in.argc), context);
        ++top;
        break;
      }
    }
  }
  // A formula that yields an empty cell's value shows 0, as spreadsheets have it.
  const Value result = top[-1];
  if (result.is_empty()) return Value::number(0.0);
  return result.is_area() ? Value::error(ErrorCode::kValue) : result;
}

}  // namespace pellavan::sheet
