#include "sheet/formula/compiler.h"

#include <algorithm>

#include "sheet/calc/operators.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

namespace {

class Compiler {
 public:
  Compiler(const Ast& ast, StringPool& pool) : ast_(ast), pool_(pool) {}

  Code run() {
    expression(ast_.root());
    emit(Op::kEnd, 0, 0);
    thread_jumps();
    return std::move(code_);
  }

 private:
  void emit(Op op, std::uint32_t arg = 0, int stack_change = 1, std::uint8_t argc = 0) {
    code_.instrs.push_back(Instr{op, argc, 0, arg});
    depth_ += stack_change;
    code_.max_stack = std::max(code_.max_stack, static_cast<std::uint32_t>(depth_));
  }

  // A jump to a jump goes where the last one leads; a jump to the end is the end.
  void thread_jumps() {
    std::vector<Instr>& code = code_.instrs;
    for (Instr& in : code) {
      if (in.op != Op::kJump) continue;
      while (code[in.arg].op == Op::kJump) in.arg = code[in.arg].arg;
      if (code[in.arg].op == Op::kEnd) in = Instr{Op::kEnd, 0, 0, 0};
    }
  }

  std::uint32_t here() const { return static_cast<std::uint32_t>(code_.instrs.size()); }

  std::uint32_t constant_index(Value v) {
    auto it = std::find_if(code_.constants.begin(), code_.constants.end(),
                           [&](Value c) { return identical(c, v); });
    if (it == code_.constants.end()) it = code_.constants.insert(it, v);
    return static_cast<std::uint32_t>(it - code_.constants.begin());
  }
  void constant(Value v) { emit(Op::kConst, constant_index(v)); }

  // Where an operand that is a cell or a number (in parentheses or not) can be fetched by the
  // operator itself, with the slot or constant in `arg`; else it is left to the stack. The
  // interpreter counts on a direct constant being a number.
  Operand direct(std::uint32_t index, std::uint32_t& arg) {
    const AstNode* n = &ast_.node(index);
    while (n->kind == NodeKind::kParen) n = &ast_.node(ast_.child(*n, 0));
    if (n->kind == NodeKind::kRef) {
      arg = slot_of(code_.cell_slots, ast_.refs[n->index]);
      return Operand::kSlot;
    }
    if (n->kind == NodeKind::kNumber) {
      arg = constant_index(Value::number(n->number));
      return Operand::kConstant;
    }
    arg = 0;
    return Operand::kStack;
  }

  // The two operands of a binary node, each either computed onto the stack or fetched directly.
  // A left operand fetched directly needs its index within aux. The stack is left as the
  // operator expects it: the left operand below the right one.
  struct Operands {
    Operand left = Operand::kStack;
    Operand right = Operand::kStack;
    std::uint32_t left_arg = 0;
    std::uint32_t right_arg = 0;

    std::uint8_t kinds() const { return operand_kinds(left, right); }
    int on_stack() const { return (left == Operand::kStack) + (right == Operand::kStack); }
  };
  Operands operands(const AstNode& n) {
    Operands o;
    o.left = direct(ast_.child(n, 0), o.left_arg);
    if (o.left_arg > 0xFFFF) o.left = Operand::kStack;
    if (o.left == Operand::kStack) expression(ast_.child(n, 0));
    o.right = direct(ast_.child(n, 1), o.right_arg);
    if (o.right == Operand::kStack) expression(ast_.child(n, 1));
    return o;
  }

  template <class Slot>
  static std::uint32_t slot_of(std::vector<Slot>& slots, const Slot& s) {
    auto it = std::find(slots.begin(), slots.end(), s);
    if (it == slots.end()) it = slots.insert(it, s);
    return static_cast<std::uint32_t>(it - slots.begin());
  }

  void expression(std::uint32_t index) {
    const AstNode& n = ast_.node(index);
    switch (n.kind) {
      case NodeKind::kNumber: constant(Value::number(n.number)); break;
      case NodeKind::kText: constant(Value::text(pool_.intern(ast_.texts[n.index]))); break;
      case NodeKind::kBoolean: constant(Value::boolean(n.index != 0)); break;
      case NodeKind::kError: constant(Value::error(static_cast<ErrorCode>(n.index))); break;
      case NodeKind::kRef: emit(Op::kRef, slot_of(code_.cell_slots, ast_.refs[n.index])); break;
      case NodeKind::kArea: emit(Op::kArea, slot_of(code_.area_slots, ast_.areas[n.index])); break;
      case NodeKind::kParen: expression(ast_.child(n, 0)); break;
      case NodeKind::kNegate:
        expression(ast_.child(n, 0));
        emit(Op::kNegate, 0, 0);
        break;
      case NodeKind::kBinary: {
        const Operands o = operands(n);
        const Op op = n.op;
        if (o.left == Operand::kConstant && o.right == Operand::kConstant && is_arithmetic(op)) {
          // Two numbers: the operation done now, as it would be at each evaluation. A zero
          // (whose sign the constant table does not keep) or an error is left to run time.
          const Value v = number_arithmetic(op, code_.constants[o.left_arg].as_number(),
                                            code_.constants[o.right_arg].as_number());
          if (v.is_number() && v.as_number() != 0.0) {
            constant(v);
            break;
          }
        }
        emit(binary_code(op, o.left, o.right), o.right_arg, 1 - o.on_stack());
        code_.instrs.back().aux = static_cast<std::uint16_t>(o.left_arg);
        break;
      }
      case NodeKind::kCall:
        if (n.function == if_function_id()) {
          if_call(n);
        } else {
          call(n);
        }
        break;
    }
  }

  // cond; BRANCH else,end; then; JUMP end; else: (else-branch or FALSE); end:
  void if_call(const AstNode& n) {
    const AstNode& cond = ast_.node(ast_.child(n, 0));
    const std::uint32_t branch = cond.kind == NodeKind::kBinary && is_comparison(cond.op)
                                     ? compare_branch(cond)
                                     : plain_branch(n);
    expression(ast_.child(n, 1));
    const std::uint32_t jump = here();
    emit(Op::kJump, 0, 0);
    depth_ -= 1;  // the else branch starts from the depth before the then branch
    code_.instrs[branch].arg = here();
    if (n.child_count == 3) {
      expression(ast_.child(n, 2));
    } else {
      constant(Value::boolean(false));
    }
    code_.instrs[jump].arg = here();
    code_.instrs[branch].aux = static_cast<std::uint16_t>(here());
  }

  std::uint32_t plain_branch(const AstNode& n) {
    expression(ast_.child(n, 0));
    const std::uint32_t branch = here();
    emit(Op::kBranch, 0, -1);
    return branch;
  }

  std::uint32_t compare_branch(const AstNode& cond) {
    const Operands o = operands(cond);
    const std::uint32_t branch = here();
    const auto comparison = static_cast<std::uint8_t>(cond.op);
    if (o.on_stack() == 2) {
      emit(Op::kBranchCompare, 0, -2, comparison);
    } else {
      const bool slot_constant = o.left == Operand::kSlot && o.right == Operand::kConstant;
      emit(slot_constant ? slot_constant_branch(cond.op) : Op::kBranchCompareOperands, 0,
           -o.on_stack(), comparison);
      code_.instrs.push_back(
          Instr{Op::kEnd, o.kinds(), static_cast<std::uint16_t>(o.left_arg), o.right_arg});
    }
    return branch;
  }

  static Op call_code(std::uint16_t function) {
    static const std::pair<std::uint16_t, Op> kOwnCodes[] = {
        {*find_function("AND"), Op::kCallAnd},
        {*find_function("OR"), Op::kCallOr},
        {*find_function("ISERROR"), Op::kCallIsError},
        {*find_function("ABS"), Op::kCallAbs},
    };
    for (const auto& [id, op] : kOwnCodes) {
      if (id == function) return op;
    }
    return Op::kCall;
  }

  void call(const AstNode& n) {
    const FunctionSpec& spec = function_spec(n.function);
    for (std::uint32_t k = 0; k < n.child_count; ++k) {
      const std::uint32_t arg = ast_.child(n, k);
      const AstNode& a = ast_.node(arg);
      if (a.kind == NodeKind::kRef && accepts_areas(spec.kind_of(k))) {
        // A reference handed to SUM, MIN... is read like an area: its text or empty cell is
        // skipped.
        const CellRef& r = ast_.refs[a.index];
        emit(Op::kArea, slot_of(code_.area_slots, RangeRef{r, r}));
      } else {
        expression(arg);
      }
    }
    emit(call_code(n.function), n.function, 1 - static_cast<int>(n.child_count),
         static_cast<std::uint8_t>(n.child_count));
    code_.is_volatile = code_.is_volatile || spec.is_volatile;
  }

  const Ast& ast_;
  StringPool& pool_;
  Code code_;
  int depth_ = 0;
};

}  // namespace

Code compile_formula(const Ast& ast, StringPool& pool) { return Compiler(ast, pool).run(); }

}  // namespace pellavan::sheet
