#include "sheet/calc/interpreter.h"

#include <iterator>
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

Value evaluate(const Instr* const instrs, const Value* const constants,
               const std::uint32_t* slot_cells, EvalContext& context, Value* stack) {
  const Cell* const cells = context.cells;
  StringPool& pool = *context.pool;
  static const FunctionSpec* const function_table = functions().data();
  Value* top = stack;  // one past the top value
  // An operand of a binary operator, from where the instruction says; one on the stack is taken
  // off it.
  const auto operand = [&](Operand kind, std::uint32_t index) __attribute__((always_inline)) {
    switch (kind) {
      case Operand::kSlot: return cells[slot_cells[index]].value;
      case Operand::kConstant: return constants[index];
      case Operand::kStack: break;
    }
    return *--top;
  };
  const auto right_operand = [&](const Instr& in) __attribute__((always_inline)) {
    return operand(right_kind(in.argc), in.arg);
  };
  // The left operand, on the top of the stack where the result goes.
  const auto left_operand = [&](const Instr& in) __attribute__((always_inline))->Value& {
    if (left_kind(in.argc) != Operand::kStack) {
      *top = operand(left_kind(in.argc), in.aux);
      ++top;
    }
    return top[-1];
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
  // Each operator's own copy, its operation a constant: the numbers' fast path is inlined.
  const auto arithmetic_step = [&](Op op, const Instr& in) __attribute__((always_inline)) {
    const Value b = right_operand(in);
    Value& a = left_operand(in);
    a = a.is_number() && b.is_number() ? number_arithmetic(op, a.as_number(), b.as_number())
                                       : arithmetic(op, a, b, pool);
  };
  const auto compare_step = [&](Op op, const Instr& in) __attribute__((always_inline)) {
    const Value b = right_operand(in);
    Value& a = left_operand(in);
    a = compare(op, a, b, pool);
  };
    // Threaded dispatch: each operation jumps straight to the next one's code, so that the branch
    // predictor learns which operation tends to follow which.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
  static constexpr void* kLabels[] = {&&op_const,  &&op_ref,    &&op_area,
                                      &&op_negate, &&op_add,    &&op_sub,
                                      &&op_mul,    &&op_div,    &&op_pow,
                                      &&op_concat, &&op_eq,     &&op_ne,
                                      &&op_lt,     &&op_le,     &&op_gt,
                                      &&op_ge,     &&op_branch, &&op_branch_compare,
                                      &&op_jump,   &&op_call,   &&op_branch_compare_operands,
                                      &&op_end};
  static_assert(std::size(kLabels) == static_cast<std::size_t>(Op::kEnd) + 1);
  Instr in;
#define PELLAVAN_NEXT()                             \
  do {                                              \
    in = instrs[pc++];                              \
    goto* kLabels[static_cast<std::size_t>(in.op)]; \
  } while (false)

  PELLAVAN_NEXT();
op_const:
  *top++ = constants[in.arg];
  PELLAVAN_NEXT();
op_ref:
  *top++ = cells[slot_cells[in.arg]].value;
  PELLAVAN_NEXT();
op_area:
  *top++ = context.areas[in.arg].valid ? Value::area(in.arg) : Value::error(ErrorCode::kRef);
  PELLAVAN_NEXT();
op_negate:
  top[-1] = top[-1].is_number() ? Value::number(-top[-1].as_number()) : negation(top[-1], pool);
  PELLAVAN_NEXT();
op_add:
  arithmetic_step(Op::kAdd, in);
  PELLAVAN_NEXT();
op_sub:
  arithmetic_step(Op::kSub, in);
  PELLAVAN_NEXT();
op_mul:
  arithmetic_step(Op::kMul, in);
  PELLAVAN_NEXT();
op_div:
  arithmetic_step(Op::kDiv, in);
  PELLAVAN_NEXT();
op_pow:
  arithmetic_step(Op::kPow, in);
  PELLAVAN_NEXT();
op_concat : {
  const Value b = right_operand(in);
  Value& a = left_operand(in);
  a = concatenation(a, b, pool);
}
  PELLAVAN_NEXT();
op_eq:
  compare_step(Op::kEq, in);
  PELLAVAN_NEXT();
op_ne:
  compare_step(Op::kNe, in);
  PELLAVAN_NEXT();
op_lt:
  compare_step(Op::kLt, in);
  PELLAVAN_NEXT();
op_le:
  compare_step(Op::kLe, in);
  PELLAVAN_NEXT();
op_gt:
  compare_step(Op::kGt, in);
  PELLAVAN_NEXT();
op_ge:
  compare_step(Op::kGe, in);
  PELLAVAN_NEXT();
op_branch:
  --top;
  branch(in, *top);
  PELLAVAN_NEXT();
op_branch_compare:
  top -= 2;
  branch(in, compare(static_cast<Op>(in.argc), top[0], top[1], pool));
  PELLAVAN_NEXT();
op_branch_compare_operands : {
  const Instr where = instrs[pc++];
  const Value b = operand(right_kind(where.argc), where.arg);
  const Value a = operand(left_kind(where.argc), where.aux);
  branch(in, compare(static_cast<Op>(in.argc), a, b, pool));
}
  PELLAVAN_NEXT();
op_jump:
  pc = in.arg;
  PELLAVAN_NEXT();
op_call:
  top -= in.argc;
  *top = call_function(function_table[in.arg], std::span<Value>(top, in.argc), context);
  ++top;
  PELLAVAN_NEXT();
#undef PELLAVAN_NEXT
#pragma GCC diagnostic pop

op_end:
  // A formula that yields an empty cell's value shows 0, as spreadsheets have it.
  const Value result = top[-1];
  if (result.is_empty()) return Value::number(0.0);
  return result.is_area() ? Value::error(ErrorCode::kValue) : result;
}

}  // namespace pellavan::sheet
