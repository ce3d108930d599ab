#pragma once
// A formula compiled to postfix code for a small stack machine. The code is shared by every cell
// whose formula has the same shape; the cells a formula reads are named by slot, and each formula
// cell carries its own slot-to-cell table (see FormulaStore), so evaluation indexes cells directly.

#include <cstdint>
#include <vector>

#include "sheet/address.h"
#include "sheet/value.h"

namespace pellavan::sheet {

enum class Op : std::uint8_t {
  kConst,  // push constants[arg]
  kRef,    // push the value of cell slot arg
  kArea,   // push area slot arg (a function argument)
  kNegate,
  // Binary operators: the left operand is on the stack; the right one too, or taken directly
  // from cell slot arg or constants[arg] as argc says (an Operand).
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
};

// Where a binary operator finds its right operand.
enum class Operand : std::uint8_t { kStack, kSlot, kConstant };

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
