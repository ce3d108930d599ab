#pragma once
// A formula compiled to postfix code for a small stack machine. The code is shared by every cell
// whose formula has the same shape; the cells a formula reads are named by slot, and each formula
// cell carries its own slot-to-cell table (see FormulaStore), so evaluation indexes cells directly.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "sheet/address.h"
#include "sheet/value.h"

namespace pellavan::sheet {

// The binary operators, the one list of them: X(name, text, kind, binding), in code order from
// kAdd. `binding` is how tightly the operator binds (0: loosest); the kinds are OperatorKind's.
#define PELLAVAN_OPERATORS(X)       \
  X(Add, "+", kArithmetic, 2)       \
  X(Sub, "-", kArithmetic, 2)       \
  X(Mul, "*", kArithmetic, 3)       \
  X(Div, "/", kArithmetic, 3)       \
  X(Pow, "^", kArithmetic, 4)       \
  X(Concat, "&", kConcatenation, 1) \
  PELLAVAN_COMPARISONS(X)
#define PELLAVAN_COMPARISONS(X) \
  X(Eq, "=", kComparison, 0)    \
  X(Ne, "<>", kComparison, 0)   \
  X(Lt, "<", kComparison, 0)    \
  X(Le, "<=", kComparison, 0)   \
  X(Gt, ">", kComparison, 0)    \
  X(Ge, ">=", kComparison, 0)
// Where a binary operator's operands lie, every pair but two stack ones, in binary_code's order:
// X(name, left, right) for operator `name`.
#define PELLAVAN_DIRECT_FORMS(X, name) \
  X(name, Stack, Slot)                 \
  X(name, Stack, Constant)             \
  X(name, Slot, Stack)                 \
  X(name, Slot, Slot)                  \
  X(name, Slot, Constant)              \
  X(name, Constant, Stack)             \
  X(name, Constant, Slot)              \
  X(name, Constant, Constant)

#define PELLAVAN_OPERATOR_CODE_(name, text, kind, binding) k##name,
#define PELLAVAN_BRANCH_CODE_(name, text, kind, binding) kBranch##name##SlotConstant,
#define PELLAVAN_DIRECT_CODE_(name, left, right) k##name##left##right,
#define PELLAVAN_DIRECT_CODES_(name, text, kind, binding) \
  PELLAVAN_DIRECT_FORMS(PELLAVAN_DIRECT_CODE_, name)

// The lists of codes the macros give stand as enumerators of their own.
// clang-format off
enum class Op : std::uint8_t {
  kConst,  // push constants[arg]
  kRef,    // push the value of cell slot arg
  kArea,   // push area slot arg (a function argument)
  kNegate,
  // Binary operators on the top two values (kAdd ... kGe); the operator routines take these as
  // their names.
  PELLAVAN_OPERATORS(PELLAVAN_OPERATOR_CODE_)
  kBranch,  // pop a condition; FALSE: go to arg; an error: push it and go to aux (the end of the
            // IF)
  // Pop two values and compare them with the comparison argc (an Op from kEq to kGe), then branch
  // on the outcome as kBranch does: the condition of an IF that is a comparison.
  kBranchCompare,
  kJump,  // go to arg
  kCall,  // call function arg with the top argc values
  // kBranchCompare whose operands the next instruction (a data word) places as a binary operator
  // does: the condition of an IF that compares a cell or a number.
  kBranchCompareOperands,
  kEnd,  // the end of the code
  // kBranchCompareOperands of a cell with a constant, one code per comparison (kBranchEq...
  // ... kBranchGeSlotConstant).
  PELLAVAN_COMPARISONS(PELLAVAN_BRANCH_CODE_)
  // kCall of AND, OR, ISERROR and ABS, which take their common arguments the short way.
  kCallAnd,
  kCallOr,
  kCallIsError,
  kCallAbs,
  // The binary operators again, with one operand or both taken directly from a cell slot or a
  // constant: kAddStackSlot ... kGeConstantConstant, in operator order (binary_code).
  PELLAVAN_OPERATORS(PELLAVAN_DIRECT_CODES_)
  kCodeCount
};
// clang-format on

#undef PELLAVAN_OPERATOR_CODE_
#undef PELLAVAN_BRANCH_CODE_
#undef PELLAVAN_DIRECT_CODES_
#undef PELLAVAN_DIRECT_CODE_

// Where a binary operator finds an operand.
enum class Operand : std::uint8_t { kStack, kSlot, kConstant };

inline constexpr unsigned kOperatorCount = 12;  // kAdd ... kGe
inline constexpr unsigned kDirectForms = 8;     // every pair of operand kinds but two stack ones
inline constexpr unsigned kOpCount = static_cast<unsigned>(Op::kCodeCount);
inline constexpr Op kFirstDirect = Op::kAddStackSlot;

// How a binary operator computes: arithmetic and comparisons take two numbers the fast way.
enum class OperatorKind : std::uint8_t { kArithmetic, kConcatenation, kComparison };

struct OperatorInfo {
  Op op;
  std::string_view text;  // as a formula writes it
  const char* name;       // as C++ names it, for generated code
  OperatorKind kind;
  int binding;
};

#define PELLAVAN_OPERATOR_INFO_(name, text, kind, binding) \
  {Op::k##name, text, "Op::k" #name, OperatorKind::kind, binding},
// The binary operators, in Op order.
inline constexpr OperatorInfo kOperators[kOperatorCount] = {
    PELLAVAN_OPERATORS(PELLAVAN_OPERATOR_INFO_)};
#undef PELLAVAN_OPERATOR_INFO_

constexpr bool is_operator(Op op) { return op >= Op::kAdd && op <= Op::kGe; }

// Op is one of kAdd ... kGe.
constexpr const OperatorInfo& operator_info(Op op) {
  return kOperators[static_cast<unsigned>(op) - static_cast<unsigned>(Op::kAdd)];
}
constexpr bool is_comparison(Op op) { return operator_info(op).kind == OperatorKind::kComparison; }
constexpr bool is_arithmetic(Op op) { return operator_info(op).kind == OperatorKind::kArithmetic; }

// The code of binary operator `op` (kAdd ... kGe) whose operands lie where `left` and `right` say.
// A direct right operand is at arg, a direct left one at aux; a direct constant is a number. The
// result goes onto the stack.
constexpr Op binary_code(Op op, Operand left, Operand right) {
  const unsigned form = static_cast<unsigned>(left) * 3 + static_cast<unsigned>(right);
  if (form == 0) return op;
  return static_cast<Op>(
      static_cast<unsigned>(kFirstDirect) +
      (static_cast<unsigned>(op) - static_cast<unsigned>(Op::kAdd)) * kDirectForms + form - 1);
}

#define PELLAVAN_DIRECT_CHECK_(name, left, right)                                \
  static_assert(binary_code(Op::k##name, Operand::k##left, Operand::k##right) == \
                Op::k##name##left##right);
#define PELLAVAN_DIRECT_CHECKS_(name, text, kind, binding) \
  PELLAVAN_DIRECT_FORMS(PELLAVAN_DIRECT_CHECK_, name)
PELLAVAN_OPERATORS(PELLAVAN_DIRECT_CHECKS_)
#undef PELLAVAN_DIRECT_CHECKS_
#undef PELLAVAN_DIRECT_CHECK_
static_assert(kOpCount == static_cast<unsigned>(kFirstDirect) + kOperatorCount * kDirectForms);

// The kBranch...SlotConstant code of comparison `op`.
constexpr Op slot_constant_branch(Op op) {
  return static_cast<Op>(static_cast<unsigned>(Op::kBranchEqSlotConstant) +
                         static_cast<unsigned>(op) - static_cast<unsigned>(Op::kEq));
}
static_assert(slot_constant_branch(Op::kGe) == Op::kBranchGeSlotConstant);

// A binary operator's code read back: the operator (kAdd ... kGe) and where its operands lie.
struct BinaryForm {
  Op op = Op::kAdd;
  Operand left = Operand::kStack;
  Operand right = Operand::kStack;
};

// binary_code's operator and operand kinds, or nullopt for a code that is no binary operator.
constexpr std::optional<BinaryForm> binary_form(Op code) {
  const auto c = static_cast<unsigned>(code);
  if (is_operator(code)) return BinaryForm{code, Operand::kStack, Operand::kStack};
  if (c < static_cast<unsigned>(kFirstDirect) || c >= kOpCount) return std::nullopt;
  const unsigned k = c - static_cast<unsigned>(kFirstDirect);
  const unsigned form = k % kDirectForms + 1;
  return BinaryForm{static_cast<Op>(static_cast<unsigned>(Op::kAdd) + k / kDirectForms),
                    static_cast<Operand>(form / 3), static_cast<Operand>(form % 3)};
}

// The argc of a kBranchCompareOperands data word: where its left and right operands are.
constexpr std::uint8_t operand_kinds(Operand left, Operand right) {
  return static_cast<std::uint8_t>(static_cast<unsigned>(left) << 4 | static_cast<unsigned>(right));
}
constexpr Operand left_kind(std::uint8_t argc) { return static_cast<Operand>(argc >> 4); }
constexpr Operand right_kind(std::uint8_t argc) { return static_cast<Operand>(argc & 0xF); }

struct Instr {
  Op op = Op::kConst;
  std::uint8_t argc = 0;
  std::uint16_t aux = 0;
  std::uint32_t arg = 0;
};

static_assert(sizeof(Instr) == 8);

struct Code {
  std::vector<Instr> instrs;
  std::vector<Value> constants;      // numbers, booleans, texts interned in the book's pool
  std::vector<CellRef> cell_slots;   // what kRef slot i reads
  std::vector<RangeRef> area_slots;  // what kArea slot i reads (a cell handed to SUM is a 1x1 area)
  std::uint32_t max_stack = 0;
  bool is_volatile = false;
};

}  // namespace pellavan::sheet
