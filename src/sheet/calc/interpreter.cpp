#include "sheet/calc/interpreter.h"

#include "sheet/calc/instruction_steps.h"

namespace pellavan::sheet {

// The binary operators on the stack, with their operands direct, and the branches on comparing
// a cell with a constant: one case a code.
#define PELLAVAN_STACK_CASE_(name, text, kind, binding)    \
  case Op::k##name:                                        \
    binary(Op::k##name, Operand::kStack, Operand::kStack); \
    break;
#define PELLAVAN_DIRECT_CASE_(name, left, right)              \
  case Op::k##name##left##right:                              \
    binary(Op::k##name, Operand::k##left, Operand::k##right); \
    break;
#define PELLAVAN_DIRECT_CASES_(name, text, kind, binding) \
  PELLAVAN_DIRECT_FORMS(PELLAVAN_DIRECT_CASE_, name)
#define PELLAVAN_BRANCH_CASE_(name, text, kind, binding)             \
  case Op::kBranch##name##SlotConstant:                              \
    branch_compare(Op::k##name, Operand::kSlot, Operand::kConstant); \
    break;

// The reference meaning of formula code: one case an instruction, each running the step that
// instruction_steps.h states for it. Machine code made ahead of time (native_code.h) runs the
// same steps; a formula that has some never comes here.
Value evaluate(const Instr* const instrs, const Value* const constants,
               const std::uint32_t* slot_cells, EvalContext& context, Value* stack) {
  const Value* const values = context.values;
  StringPool& pool = *context.pool;
  Value* top = stack;        // one past the top value
  const Instr* ip = instrs;  // the instruction being run

  // An operand of a binary operator, from where the instruction says; one on the stack is taken
  // off it.
  const auto operand = [&](Operand kind, std::uint32_t index) __attribute__((always_inline)) {
    switch (kind) {
      case Operand::kSlot: return values[slot_cells[index]];
      case Operand::kConstant: return constants[index];
      case Operand::kStack: break;
    }
    return *--top;
  };
  // Binary operator `op` with its operands where `left` and `right` say: a direct right operand
  // is at arg, a direct left one at aux. The result goes where the left operand was, or onto the
  // stack.
  const auto binary = [&](Op op, Operand left, Operand right) __attribute__((always_inline)) {
    const Value b = operand(right, ip->arg);
    const Value a = operand(left, ip->aux);
    *top++ = binary_step(op, left, right, a, b, pool);
    ++ip;
  };
  // The branch of an IF on condition `c`: TRUE goes on `length` instructions further, FALSE to
  // arg, an error ends the IF with it at aux.
  const auto branch = [&](Value c, std::uint32_t length) __attribute__((always_inline)) {
    Value cond = c;
    switch (branch_step(cond, pool)) {
      case BranchTo::kEnd:
        *top++ = cond;
        ip = instrs + ip->aux;
        break;
      case BranchTo::kElse: ip = instrs + ip->arg; break;
      case BranchTo::kOn: ip += length; break;
    }
  };
  // Comparison `op` whose operands the data word after the instruction places, then the branch on
  // it.
  const auto branch_compare = [&](Op op, Operand left, Operand right)
      __attribute__((always_inline)) {
    const Instr& where = ip[1];
    const Value b = operand(right, where.arg);
    const Value a = operand(left, where.aux);
    branch(binary_step(op, left, right, a, b, pool), 2);
  };
  const auto call = [&] {
    top -= ip->argc;
    *top = call_step(ip->arg, top, ip->argc, context);
    ++top;
    ++ip;
  };

  for (;;) {
    switch (ip->op) {
      case Op::kConst:
        *top++ = constants[ip->arg];
        ++ip;
        break;
      case Op::kRef:
        *top++ = values[slot_cells[ip->arg]];
        ++ip;
        break;
      case Op::kArea:
        *top++ = area_step(context, ip->arg);
        ++ip;
        break;
      case Op::kNegate:
        top[-1] = negate_step(top[-1], pool);
        ++ip;
        break;
        PELLAVAN_OPERATORS(PELLAVAN_STACK_CASE_)
        PELLAVAN_OPERATORS(PELLAVAN_DIRECT_CASES_)
        PELLAVAN_COMPARISONS(PELLAVAN_BRANCH_CASE_)
      case Op::kBranch:
        --top;
        branch(*top, 1);
        break;
      case Op::kBranchCompare: {
        top -= 2;
        const Op op = static_cast<Op>(ip->argc);
        branch(binary_step(op, Operand::kStack, Operand::kStack, top[0], top[1], pool), 1);
        break;
      }
      case Op::kJump: ip = instrs + ip->arg; break;
      case Op::kCall: call(); break;
      case Op::kBranchCompareOperands:
        branch_compare(static_cast<Op>(ip->argc), left_kind(ip[1].argc), right_kind(ip[1].argc));
        break;
      case Op::kEnd: return formula_result(top[-1]);
      case Op::kCallAnd:
      case Op::kCallOr:
        if (!and_or_step(ip->op == Op::kCallAnd, top - ip->argc, top)) {
          call();
          break;
        }
        top -= ip->argc - 1;
        ++ip;
        break;
      case Op::kCallIsError:
        top[-1] = is_error_step(top[-1]);
        ++ip;
        break;
      case Op::kCallAbs:
        if (!abs_step(top[-1])) {
          call();
          break;
        }
        ++ip;
        break;
      case Op::kCodeCount: return Value::error(ErrorCode::kValue);  // no instruction
    }
  }
}

#undef PELLAVAN_STACK_CASE_
#undef PELLAVAN_DIRECT_CASE_
#undef PELLAVAN_DIRECT_CASES_
#undef PELLAVAN_BRANCH_CASE_

}  // namespace pellavan::sheet
