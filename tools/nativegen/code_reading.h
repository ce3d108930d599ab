#pragma once
// Reading compiled formula code: which operator an instruction is and where its operands lie.

#include <stdexcept>
#include <string>

#include "sheet/formula/code.h"

namespace pellavan::nativegen {

using sheet::Code;
using sheet::Instr;
using sheet::Op;
using sheet::Operand;

inline constexpr const char* kOpNames[] = {"kAdd", "kSub", "kMul", "kDiv", "kPow", "kConcat",
                                           "kEq",  "kNe",  "kLt",  "kLe",  "kGt",  "kGe"};

inline unsigned code_of(sheet::Op op) { return static_cast<unsigned>(op); }

inline std::string op_name(unsigned op) {
  const unsigned k = op - code_of(sheet::Op::kAdd);
  if (k >= std::size(kOpNames))
    throw std::logic_error(std::string("not an operator: ") + std::to_string(op));
  return std::string("Op::") + kOpNames[k];
}

inline bool is_comparison(unsigned op) {
  return op >= code_of(sheet::Op::kEq) && op <= code_of(sheet::Op::kGe);
}

// A binary operator and where its operands lie.
struct Binary {
  unsigned op = 0;
  sheet::Operand left = sheet::Operand::kStack;
  sheet::Operand right = sheet::Operand::kStack;
  int on_stack() const {
    return (left == sheet::Operand::kStack) + (right == sheet::Operand::kStack);
  }
};

inline bool binary_of(sheet::Op code, Binary& b) {
  const unsigned c = code_of(code);
  if (c >= code_of(sheet::Op::kAdd) && c <= code_of(sheet::Op::kGe)) {
    b = Binary{c, sheet::Operand::kStack, sheet::Operand::kStack};
    return true;
  }
  if (c < code_of(sheet::Op::kFirstDirect)) return false;
  const unsigned k = c - code_of(sheet::Op::kFirstDirect);
  const unsigned form = k % sheet::kDirectForms + 1;
  b = Binary{code_of(sheet::Op::kAdd) + k / sheet::kDirectForms,
             static_cast<sheet::Operand>(form / 3), static_cast<sheet::Operand>(form % 3)};
  return true;
}

inline bool is_slot_constant_branch(sheet::Op op) {
  const unsigned first = code_of(sheet::Op::kBranchCompareSlotConstant);
  return code_of(op) >= first && code_of(op) < first + 6;
}

}  // namespace pellavan::nativegen
