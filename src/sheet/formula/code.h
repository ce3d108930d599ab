#pragma once
// A formula compiled to postfix code for a small stack machine. The code is shared by every cell
// whose formula has the same shape; the cells a formula reads are named by slot, and each formula
// cell carries its own slot-to-cell table (see FormulaStore), so evaluation indexes cells directly.

#include <cstdint>
#include <optional>
#include <vector>

#include "sheet/address.h"
#include "sheet/value.h"

namespace pellavan::sheet {

enum class Op : std::uint8_t {
  kConst,  // push constants[arg]
  kRef,    // push the value of cell slot arg
  kArea,   // push area slot arg (a function argument)
  kNegate,
  // Binary operators on the top two values; the operator routines take these as their names.
  kAdd,
  kSub,
  kMul,
  kDiv,
  kPow,
  kConcat,
  kEq,
  kNe,
  kLt,
  kLe,
  kGt,
  kGe,
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
  // kBranchCompareOperands of a cell with a constant, one code per comparison from kEq to kGe.
  kBranchCompareSlotConstant,
  // kCall of AND, OR, ISERROR and ABS, which take their common arguments the short way.
  kCallAnd = static_cast<std::uint8_t>(kBranchCompareSlotConstant) + 6,
  kCallOr,
  kCallIsError,
  kCallAbs,
  // The binary operators again, with one operand or both taken directly from a cell slot or a
  // constant: kDirectForms codes per operator, in operator order (binary_code).
  kFirstDirect,
};

// Where a binary operator finds an operand.
enum class Operand : std::uint8_t { kStack, kSlot, kConstant };

inline constexpr unsigned kOperatorCount = 12;  // kAdd ... kGe
inline constexpr unsigned kDirectForms = 8;     // every pair of operand kinds but two stack ones
inline constexpr unsigned kOpCount =
    static_cast<unsigned>(Op::kFirstDirect) + kOperatorCount * kDirectForms;

// The code of binary operator `op` (kAdd ... kGe) whose operands lie where `left` and `right` say.
// A direct right operand is at arg, a direct left one at aux; a direct constant is a number. The
// result goes onto the stack.
constexpr Op binary_code(Op op, Operand left, Operand right) {
  const unsigned form = static_cast<unsigned>(left) * 3 + static_cast<unsigned>(right);
  if (form == 0) return op;
  return static_cast<Op>(
      static_cast<unsigned>(Op::kFirstDirect) +
      (static_cast<unsigned>(op) - static_cast<unsigned>(Op::kAdd)) * kDirectForms + form - 1);
}

// A binary operator's code read back: the operator (kAdd ... kGe) and where its operands lie.
struct BinaryForm {
  Op op = Op::kAdd;
  Operand left = Operand::kStack;
  Operand right = Operand::kStack;
};

// binary_code's operator and operand kinds, or nullopt for a code that is no binary operator.
constexpr std::optional<BinaryForm> binary_form(Op code) {
  const auto c = static_cast<unsigned>(code);
  if (c >= static_cast<unsigned>(Op::kAdd) && c <= static_cast<unsigned>(Op::kGe))
    return BinaryForm{code, Operand::kStack, Operand::kStack};
  if (c < static_cast<unsigned>(Op::kFirstDirect) || c >= kOpCount) return std::nullopt;
  const unsigned k = c - static_cast<unsigned>(Op::kFirstDirect);
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
