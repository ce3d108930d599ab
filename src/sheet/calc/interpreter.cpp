#include "sheet/calc/interpreter.h"

#include <span>

#include "sheet/calc/near_equal.h"
#include "sheet/calc/operators.h"
#include "sheet/functions/call_args.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

namespace {

// The outcome of a comparison of two values: numbers the fast way, anything else as the
// comparison operator has it (an error stays an error).
[[gnu::always_inline]] inline Value compare(Op op, Value a, Value b, const StringPool& pool) {
  if (a.is_number() && b.is_number())
    return Value::boolean(ordering_holds(op, tolerant_order(a.as_number(), b.as_number())));
  return comparison(op, a, b, pool);
}

}  // namespace

Value evaluate(const Code& code, const std::uint32_t* slot_cells, EvalContext& context,
               Value* stack) {
  const Instr* const instrs = code.instrs.data();
  const Value* const constants = code.constants.data();
  const std::uint32_t end = static_cast<std::uint32_t>(code.instrs.size());
  const Cell* const cells = context.cells;
  StringPool& pool = *context.pool;
  static const FunctionSpec* const function_table = functions().data();
  Value* top = stack;  // one past the top value
  // The right operand of a binary operator, from where the instruction says.
  const auto right_operand = [&](const Instr& in) {
    switch (static_cast<Operand>(in.argc)) {
      case Operand::kSlot: return cells[slot_cells[in.arg]].value;
      case Operand::kConstant: return constants[in.arg];
      case Operand::kStack: break;
    }
    return *--top;
  };
  // Takes a condition: FALSE goes on at arg, an error ends the IF with it.
  std::uint32_t pc = 0;
  const auto branch = [&](const Instr& in, Value c) {
    const Value cond = c.is_boolean() ? c : logical_operand(c, pool);
    if (cond.is_error()) {
      *top++ = cond;
      pc = in.aux;
    } else if (!cond.as_boolean()) {
      pc = in.arg;
    }
  };
  while (pc < end) {
    const Instr in = instrs[pc++];
    switch (in.op) {
      case Op::kConst: *top++ = constants[in.arg]; break;
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
        const Value b = right_operand(in);
        Value& a = top[-1];
        a = a.is_number() && b.is_number() ? number_arithmetic(in.op, a.as_number(), b.as_number())
                                           : arithmetic(in.op, a, b, pool);
        break;
      }
      case Op::kConcat: {
        const Value b = right_operand(in);
        top[-1] = concatenation(top[-1], b, pool);
        break;
      }
      case Op::kEq:
      case Op::kNe:
      case Op::kLt:
      case Op::kLe:
      case Op::kGt:
      case Op::kGe: {
        const Value b = right_operand(in);
        top[-1] = compare(in.op, top[-1], b, pool);
        break;
      }
      case Op::kBranch: {
        const Value c = *--top;
        branch(in, c);
        break;
      }
      case Op::kBranchCompare: {
        const Value b = *--top;
        const Value a = *--top;
        branch(in, compare(static_cast<Op>(in.argc), a, b, pool));
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
