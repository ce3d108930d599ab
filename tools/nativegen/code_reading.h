#pragma once
// Reading compiled formula code: which operator an instruction is and where its operands lie,
// from the one list of operators (sheet/formula/code.h).

#include <optional>
#include <stdexcept>
#include <string>

#include "sheet/calc/instruction_steps.h"
#include "sheet/formula/code.h"

namespace pellavan::nativegen {

using sheet::Code;
using sheet::Instr;
using sheet::Op;
using sheet::Operand;

inline unsigned code_of(sheet::Op op) { return static_cast<unsigned>(op); }

inline const sheet::OperatorInfo& operator_of(unsigned op) {
  if (op < code_of(Op::kAdd) || op > code_of(Op::kGe))
    throw std::logic_error(std::string("not an operator: ") + std::to_string(op));
  return sheet::operator_info(static_cast<Op>(op));
}

inline std::string op_name(unsigned op) { return operator_of(op).name; }

inline bool is_comparison(unsigned op) { return sheet::is_comparison(operator_of(op).op); }

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
  const std::optional<sheet::BinaryForm> form = sheet::binary_form(code);
  if (!form) return false;
  b = Binary{code_of(form->op), form->left, form->right};
  return true;
}

inline bool is_slot_constant_branch(sheet::Op op) {
  return op >= sheet::Op::kBranchEqSlotConstant && op <= sheet::Op::kBranchGeSlotConstant;
}

}  // namespace pellavan::nativegen
