#include "sheet/calc/interpreter.h"

#include <algorithm>
#include <cmath>
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
  const Value* const values = context.values;
  StringPool& pool = *context.pool;
  Value* top = stack;  // one past the top value
  // An operand of a binary operator, from where the instruction says; one on the stack is taken
  // off it. Each code passes its own kinds, so the choice is made when it is compiled.
  const auto operand = [&](Operand kind, std::uint32_t index) __attribute__((always_inline)) {
    switch (kind) {
      case Operand::kSlot: return values[slot_cells[index]];
      case Operand::kConstant: return constants[index];
      case Operand::kStack: break;
    }
    return *--top;
  };
  const Instr* ip = instrs;  // the instruction being run
  // Whether both operands are numbers: a direct constant always is one.
  const auto numbers =
      [](Operand left, Value a, Operand right, Value b) __attribute__((always_inline)) {
    return (left == Operand::kConstant || a.is_number()) &&
           (right == Operand::kConstant || b.is_number());
  };
  // Applies `op` to the operands the instruction places as `left` and `right` say; the result
  // goes where the left operand was, or onto the stack.
  const auto binary = [&](Operand left, Operand right, auto&& op) __attribute__((always_inline)) {
    const Value b = operand(right, ip->arg);
    if (left == Operand::kStack) {
      top[-1] = op(top[-1], b);
    } else {
      *top = op(operand(left, ip->aux), b);
      ++top;
    }
  };
  // Takes the condition of the branch at ip: TRUE goes on `length` instructions further, FALSE at
  // arg, an error ends the IF with it.
  const auto branch = [&](Value c, std::uint32_t length) {
    const Value cond = c.is_boolean() ? c : logical_operand(c, pool);
    if (cond.is_error()) {
      *top++ = cond;
      ip = instrs + ip->aux;
    } else if (!cond.as_boolean()) {
      ip = instrs + ip->arg;
    } else {
      ip += length;
    }
  };
  // A comparison whose operands the data word after ip places; numbers branch at once.
  const auto branch_compare = [&](Op op, Operand left, Operand right)
      __attribute__((always_inline)) {
    const Instr& where = ip[1];
    const Value b = operand(right, where.arg);
    const Value a = operand(left, where.aux);
    if (numbers(left, a, right, b)) {
      ip = ordering_holds(op, tolerant_order(a.as_number(), b.as_number())) ? ip + 2
                                                                            : instrs + ip->arg;
    } else {
      branch(comparison(op, a, b, pool), 2);
    }
  };
  // AND (`all`) or OR of arguments that are all TRUE or FALSE, which it takes as they are; false
  // for any others, which the function's own code takes.
  const auto all_or_any = [&](bool all) __attribute__((always_inline)) {
    Value* const args = top - ip->argc;
    const auto is_true = [](Value v) { return v.as_boolean(); };
    if (!std::all_of(args, top, [](Value v) { return v.is_boolean(); })) return false;
    const bool result = all ? std::all_of(args, top, is_true) : std::any_of(args, top, is_true);
    top = args;
    *top++ = Value::boolean(result);
    return true;
  };
    // Threaded dispatch: each operation jumps straight to the next one's code, so that the branch
    // predictor learns which operation tends to follow which.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
#define PELLAVAN_DISPATCH() goto* kLabels[static_cast<std::size_t>(ip->op)]
#define PELLAVAN_NEXT()  \
  do {                   \
    ++ip;                \
    PELLAVAN_DISPATCH(); \
  } while (false)
// Each operator's own code for each place of its operands, its operation a constant: the numbers'
// fast path is inlined. STEP(OP, L, R) is the operation on the values a and b.
#define PELLAVAN_BINARY(OP, STEP, L, R) \
  binary(                               \
      Operand::L,                       \
      Operand::R, [&](Value a, Value b) __attribute__((always_inline)) { return STEP(OP, L, R); })
#define PELLAVAN_NUMBERS(L, R) numbers(Operand::L, a, Operand::R, b)
#define PELLAVAN_ARITHMETIC(OP, L, R)                                              \
  PELLAVAN_NUMBERS(L, R) ? number_arithmetic(Op::OP, a.as_number(), b.as_number()) \
                         : arithmetic(Op::OP, a, b, pool)
#define PELLAVAN_COMPARISON(OP, L, R)                                                    \
  PELLAVAN_NUMBERS(L, R)                                                                 \
  ? Value::boolean(ordering_holds(Op::OP, tolerant_order(a.as_number(), b.as_number()))) \
  : comparison(Op::OP, a, b, pool)
#define PELLAVAN_CONCATENATION(OP, L, R) concatenation(a, b, pool)
// X(label, operator, step) for each operator, in Op order.
// clang-format off
#define PELLAVAN_OPERATORS(X)                                                                     \
  X(add, kAdd, PELLAVAN_ARITHMETIC) X(sub, kSub, PELLAVAN_ARITHMETIC)                             \
  X(mul, kMul, PELLAVAN_ARITHMETIC) X(div, kDiv, PELLAVAN_ARITHMETIC)                             \
  X(pow, kPow, PELLAVAN_ARITHMETIC) X(concat, kConcat, PELLAVAN_CONCATENATION)                    \
  PELLAVAN_COMPARISONS(X)
#define PELLAVAN_COMPARISONS(X)                                                                   \
  X(eq, kEq, PELLAVAN_COMPARISON) X(ne, kNe, PELLAVAN_COMPARISON) X(lt, kLt, PELLAVAN_COMPARISON) \
  X(le, kLe, PELLAVAN_COMPARISON) X(gt, kGt, PELLAVAN_COMPARISON) X(ge, kGe, PELLAVAN_COMPARISON)
// clang-format on
// Y(label, operator, step, left, right) for each direct form, in binary_code order.
#define PELLAVAN_FORMS(Y, NAME, OP, STEP)   \
  Y(NAME##_sr, OP, STEP, kStack, kSlot)     \
  Y(NAME##_sc, OP, STEP, kStack, kConstant) \
  Y(NAME##_rs, OP, STEP, kSlot, kStack)     \
  Y(NAME##_rr, OP, STEP, kSlot, kSlot)      \
  Y(NAME##_rc, OP, STEP, kSlot, kConstant)  \
  Y(NAME##_cs, OP, STEP, kConstant, kStack) \
  Y(NAME##_cr, OP, STEP, kConstant, kSlot)  \
  Y(NAME##_cc, OP, STEP, kConstant, kConstant)
#define PELLAVAN_LABEL(NAME, OP, STEP) &&op_##NAME,
#define PELLAVAN_BRANCH_LABEL(NAME, OP, STEP) &&op_branch_##NAME,
#define PELLAVAN_FORM_LABEL(NAME, OP, STEP, L, R) &&op_##NAME,
#define PELLAVAN_FORM_LABELS(NAME, OP, STEP) PELLAVAN_FORMS(PELLAVAN_FORM_LABEL, NAME, OP, STEP)
  static constexpr void* kLabels[] = {&&op_const,
                                      &&op_ref,
                                      &&op_area,
                                      &&op_negate,
                                      PELLAVAN_OPERATORS(PELLAVAN_LABEL) && op_branch,
                                      &&op_branch_compare,
                                      &&op_jump,
                                      &&op_call,
                                      &&op_branch_compare_operands,
                                      &&op_end,
                                      PELLAVAN_COMPARISONS(PELLAVAN_BRANCH_LABEL) && op_call_and,
                                      &&op_call_or,
                                      &&op_call_is_error,
                                      &&op_call_abs,
                                      PELLAVAN_OPERATORS(PELLAVAN_FORM_LABELS)};
  static_assert(std::size(kLabels) == kOpCount);

  PELLAVAN_DISPATCH();
op_const:
  *top++ = constants[ip->arg];
  PELLAVAN_NEXT();
op_ref:
  *top++ = values[slot_cells[ip->arg]];
  PELLAVAN_NEXT();
op_area:
  *top++ = context.areas[ip->arg].valid ? Value::area(ip->arg) : Value::error(ErrorCode::kRef);
  PELLAVAN_NEXT();
op_negate:
  top[-1] = top[-1].is_number() ? Value::number(-top[-1].as_number()) : negation(top[-1], pool);
  PELLAVAN_NEXT();
#define PELLAVAN_STACK_CODE(NAME, OP, STEP)              \
  op_##NAME : PELLAVAN_BINARY(OP, STEP, kStack, kStack); \
  PELLAVAN_NEXT();
#define PELLAVAN_FORM_CODE(NAME, OP, STEP, L, R) \
  op_##NAME : PELLAVAN_BINARY(OP, STEP, L, R);   \
  PELLAVAN_NEXT();
#define PELLAVAN_FORM_CODES(NAME, OP, STEP) PELLAVAN_FORMS(PELLAVAN_FORM_CODE, NAME, OP, STEP)
  PELLAVAN_OPERATORS(PELLAVAN_STACK_CODE)
  PELLAVAN_OPERATORS(PELLAVAN_FORM_CODES)
op_branch:
  --top;
  branch(*top, 1);
  PELLAVAN_DISPATCH();
op_branch_compare:
  top -= 2;
  branch(compare(static_cast<Op>(ip->argc), top[0], top[1], pool), 1);
  PELLAVAN_DISPATCH();
op_branch_compare_operands : {
  const Instr& where = ip[1];
  const Value b = operand(right_kind(where.argc), where.arg);
  const Value a = operand(left_kind(where.argc), where.aux);
  branch(compare(static_cast<Op>(ip->argc), a, b, pool), 2);
}
  PELLAVAN_DISPATCH();
#define PELLAVAN_BRANCH_CODE(NAME, OP, STEP)                                     \
  op_branch_##NAME : branch_compare(Op::OP, Operand::kSlot, Operand::kConstant); \
  PELLAVAN_DISPATCH();
  PELLAVAN_COMPARISONS(PELLAVAN_BRANCH_CODE)
op_jump:
  ip = instrs + ip->arg;
  PELLAVAN_DISPATCH();
op_call_and:
  if (all_or_any(true)) PELLAVAN_NEXT();
  goto op_call;
op_call_or:
  if (all_or_any(false)) PELLAVAN_NEXT();
  goto op_call;
op_call_is_error:
  top[-1] = Value::boolean(top[-1].is_error());
  PELLAVAN_NEXT();
op_call_abs:
  if (top[-1].is_number()) {
    top[-1] = Value::number(std::fabs(top[-1].as_number()));
    PELLAVAN_NEXT();
  }
  goto op_call;
op_call : {
  static const FunctionSpec* const function_table = functions().data();
  top -= ip->argc;
  *top = call_function(function_table[ip->arg], std::span<Value>(top, ip->argc), context);
  ++top;
}
  PELLAVAN_NEXT();
#undef PELLAVAN_BRANCH_CODE
#undef PELLAVAN_FORM_CODES
#undef PELLAVAN_FORM_CODE
#undef PELLAVAN_STACK_CODE
#undef PELLAVAN_FORM_LABELS
#undef PELLAVAN_FORM_LABEL
#undef PELLAVAN_BRANCH_LABEL
#undef PELLAVAN_LABEL
#undef PELLAVAN_FORMS
#undef PELLAVAN_COMPARISONS
#undef PELLAVAN_OPERATORS
#undef PELLAVAN_CONCATENATION
#undef PELLAVAN_COMPARISON
#undef PELLAVAN_ARITHMETIC
#undef PELLAVAN_BINARY
#undef PELLAVAN_NUMBERS
#undef PELLAVAN_NEXT
#undef PELLAVAN_DISPATCH
#pragma GCC diagnostic pop

op_end:
  return formula_result(top[-1]);
}

}  // namespace pellavan::sheet
