#include "nativegen/number_path.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <vector>

#include "nativegen/code_reading.h"

namespace pellavan::nativegen {

namespace {

// What a place on the stack holds on the number path: a double, a bool, or an area (only an
// argument of a function), whose slot the code names.
struct Kind {
  enum { kNumber, kBoolean, kArea } of = kNumber;
  std::uint32_t area = 0;
  friend bool operator==(const Kind&, const Kind&) = default;
};
using Stack = std::vector<Kind>;

std::string str(std::uint64_t n) { return std::to_string(n); }
std::string x_at(std::size_t d) { return std::string("x") + str(d); }
std::string b_at(std::size_t d) { return std::string("b") + str(d); }
std::string to(std::uint32_t i) { return std::string("goto F") + str(i) + ";"; }

class NumberPath {
 public:
  NumberPath(const Code& code, const std::set<std::uint32_t>& targets)
      : code_(code), in_(code.instrs), general_targets_(targets), stacks_(in_.size()) {}

  std::optional<std::string> run() {
    if (!walk()) return std::nullopt;
    std::string out;
    const std::size_t places = std::max<std::size_t>(code_.max_stack, 1);
    for (std::size_t d = 0; d < places; ++d)
      out += "  [[maybe_unused]] double " + x_at(d) + " = 0.0;\n  [[maybe_unused]] bool " +
             b_at(d) + " = false;\n";
    for (std::uint32_t i = 0; i < in_.size(); ++i) {
      if (!stacks_[i]) continue;
      if (targets_.count(i) > 0) out += std::string("F") + str(i) + ":\n";
      out += "  " + statement(i, *stacks_[i]) + "\n";
    }
    return out;
  }

 private:
  // A ref whose value only ISERROR reads: its kind is read there, whatever it is.
  bool error_test_follows(std::uint32_t i) const {
    return i + 1 < in_.size() && in_[i + 1].op == Op::kCallIsError &&
           general_targets_.count(i + 1) == 0;
  }

  // The kinds on the stack before each instruction, along the number path's own edges (no
  // error edges). False when a value may be of another kind.
  bool walk() {
    std::vector<std::uint32_t> work;
    bool ok = true;
    const auto reach = [&](std::uint32_t i, const Stack& s) {
      if (i >= in_.size()) throw std::logic_error("code leaves its bounds");
      if (stacks_[i]) {
        ok = ok && *stacks_[i] == s;
        return;
      }
      stacks_[i] = s;
      work.push_back(i);
    };
    const auto jump = [&](std::uint32_t i, const Stack& s) {
      targets_.insert(i);
      reach(i, s);
    };
    const auto numbers = [](const Stack& s, std::size_t n) {
      return std::all_of(s.end() - static_cast<std::ptrdiff_t>(n), s.end(),
                         [](const Kind& k) { return k.of == Kind::kNumber; });
    };
    reach(0, {});
    while (ok && !work.empty()) {
      const std::uint32_t i = work.back();
      work.pop_back();
      Stack s = *stacks_[i];
      const Instr& x = in_[i];
      Binary b;
      if (binary_of(x.op, b)) {
        const auto n = static_cast<std::size_t>(b.on_stack());
        if (!sheet::has_number_path(static_cast<Op>(b.op)) || !numbers(s, n)) return false;
        s.resize(s.size() - n);
        s.push_back(Kind{is_comparison(b.op) ? Kind::kBoolean : Kind::kNumber});
        reach(i + 1, s);
        continue;
      }
      if (is_slot_constant_branch(x.op)) {
        reach(i + 2, s);
        jump(x.arg, s);
        continue;
      }
      switch (x.op) {
        case Op::kConst: {
          const sheet::Value v = code_.constants.at(x.arg);
          if (!v.is_number() && !v.is_boolean()) return false;
          s.push_back(Kind{v.is_number() ? Kind::kNumber : Kind::kBoolean});
          reach(i + 1, s);
          break;
        }
        case Op::kRef:
          if (error_test_follows(i)) {
            s.push_back(Kind{Kind::kBoolean});
            reach(i + 2, s);
          } else {
            s.push_back(Kind{Kind::kNumber});
            reach(i + 1, s);
          }
          break;
        case Op::kArea:
          s.push_back(Kind{Kind::kArea, x.arg});
          reach(i + 1, s);
          break;
        case Op::kNegate:
        case Op::kCallAbs:
          if (!numbers(s, 1)) return false;
          reach(i + 1, s);
          break;
        case Op::kCallIsError:
          if (s.back().of == Kind::kArea) return false;
          s.back() = Kind{Kind::kBoolean};
          reach(i + 1, s);
          break;
        case Op::kBranch:
          if (s.back().of == Kind::kArea) return false;
          s.pop_back();
          reach(i + 1, s);
          jump(x.arg, s);
          break;
        case Op::kBranchCompare:
          if (!numbers(s, 2)) return false;
          s.resize(s.size() - 2);
          reach(i + 1, s);
          jump(x.arg, s);
          break;
        case Op::kBranchCompareOperands: {
          const Instr& w = in_.at(i + 1);
          const Binary o{0, sheet::left_kind(w.argc), sheet::right_kind(w.argc)};
          const auto n = static_cast<std::size_t>(o.on_stack());
          if (!numbers(s, n)) return false;
          s.resize(s.size() - n);
          reach(i + 2, s);
          jump(x.arg, s);
          break;
        }
        case Op::kJump: jump(x.arg, s); break;
        case Op::kCall:
          s.resize(s.size() - x.argc);
          s.push_back(Kind{Kind::kNumber});
          reach(i + 1, s);
          break;
        case Op::kCallAnd:
        case Op::kCallOr:
          if (!std::all_of(s.end() - x.argc, s.end(),
                           [](const Kind& k) { return k.of == Kind::kBoolean; }))
            return false;
          s.resize(s.size() - x.argc);
          s.push_back(Kind{Kind::kBoolean});
          reach(i + 1, s);
          break;
        case Op::kEnd:
          if (s.back().of == Kind::kArea) return false;
          break;
        default: return false;
      }
    }
    return ok;
  }

  // Number constant `index` exactly, as a hexadecimal literal: the table's match on the
  // constants makes it the one the book holds.
  std::string literal(std::uint32_t index) const {
    char text[64];
    std::snprintf(text, sizeof text, "%a", code_.constants.at(index).as_number());
    return std::string("(") + text + ")";
  }

  // A direct operand or one on the stack, as a double named `name`.
  std::string number(Operand kind, std::uint32_t index, std::size_t stack,
                     const std::string& name) const {
    switch (kind) {
      case Operand::kSlot:
        return "const Value v" + name + " = values[slot[" + str(index) + "]]; if (!v" + name +
               ".is_number()) goto slow; const double " + name + " = v" + name + ".as_number(); ";
      case Operand::kConstant: return "const double " + name + " = " + literal(index) + "; ";
      case Operand::kStack: break;
    }
    return "const double " + name + " = " + x_at(stack) + "; ";
  }

  // Both operands of a binary operator at stack depth d, as doubles a and b.
  std::string operands(const Binary& b, std::uint32_t left, std::uint32_t right,
                       std::size_t d) const {
    const auto n = static_cast<std::size_t>(b.on_stack());
    return number(b.left, left, d - n, "a") + number(b.right, right, d - 1, "b");
  }

  static std::string holds(unsigned op) { return "number_holds(" + op_name(op) + ", a, b)"; }

  std::string argument(const Kind& k, std::size_t d) const {
    switch (k.of) {
      case Kind::kNumber: return "Value::number(" + x_at(d) + ")";
      case Kind::kBoolean: return "Value::boolean(" + b_at(d) + ")";
      case Kind::kArea: break;
    }
    return "area_step(c, " + str(k.area) + ")";
  }

  std::string statement(std::uint32_t i, const Stack& s) const {
    const Instr& x = in_[i];
    const std::size_t d = s.size();
    const std::string arg = str(x.arg);
    Binary b;
    if (binary_of(x.op, b)) {
      const std::string fetch = operands(b, x.aux, x.arg, d);
      const std::size_t result = d - static_cast<std::size_t>(b.on_stack());
      if (is_comparison(b.op)) return "{ " + fetch + b_at(result) + " = " + holds(b.op) + "; }";
      return "{ " + fetch + "const Value r = number_step(" + op_name(b.op) +
             ", a, b); if (!r.is_number()) goto slow; " + x_at(result) + " = r.as_number(); }";
    }
    if (is_slot_constant_branch(x.op)) {
      const Instr& w = in_[i + 1];
      return "{ " + number(Operand::kSlot, w.aux, 0, "a") +
             number(Operand::kConstant, w.arg, 0, "b") + "if (!" + holds(x.argc) + ") " +
             to(x.arg) + " }";
    }
    switch (x.op) {
      case Op::kConst:
        if (code_.constants.at(x.arg).is_boolean())
          return b_at(d) + " = " + (code_.constants[x.arg].as_boolean() ? "true;" : "false;");
        return x_at(d) + " = " + literal(x.arg) + ";";
      case Op::kRef:
        if (error_test_follows(i))
          return b_at(d) + " = is_error_step(values[slot[" + arg + "]]).as_boolean();";
        return "{ " + number(Operand::kSlot, x.arg, 0, "a") + x_at(d) + " = a; }";
      case Op::kArea: return ";";
      case Op::kNegate: return x_at(d - 1) + " = negate_number(" + x_at(d - 1) + ");";
      case Op::kCallAbs: return x_at(d - 1) + " = abs_number(" + x_at(d - 1) + ");";
      case Op::kCallIsError: return b_at(d - 1) + " = is_error_number();";
      case Op::kBranch:
        if (s.back().of == Kind::kBoolean) return "if (!" + b_at(d - 1) + ") " + to(x.arg);
        return "if (!number_condition(" + x_at(d - 1) + ")) " + to(x.arg);
      case Op::kBranchCompare:
        return "{ const double a = " + x_at(d - 2) + "; const double b = " + x_at(d - 1) +
               "; if (!" + holds(x.argc) + ") " + to(x.arg) + " }";
      case Op::kBranchCompareOperands: {
        const Instr& w = in_[i + 1];
        const Binary o{0, sheet::left_kind(w.argc), sheet::right_kind(w.argc)};
        return "{ " + operands(o, w.aux, w.arg, d) + "if (!" + holds(x.argc) + ") " + to(x.arg) +
               " }";
      }
      case Op::kJump: return to(x.arg);
      case Op::kCall: {
        const std::size_t first = d - x.argc;
        std::string args;
        for (std::size_t k = first; k < d; ++k) args += argument(s[k], k) + ", ";
        return "{ Value args[" + str(std::max<std::size_t>(x.argc, 1)) + "] = {" + args +
               "}; const Value r = call_step(" + arg + ", args, " + str(x.argc) +
               ", c); if (!r.is_number()) goto slow; " + x_at(first) + " = r.as_number(); }";
      }
      case Op::kCallAnd:
      case Op::kCallOr: {
        const std::size_t first = d - x.argc;
        const std::string all = x.op == Op::kCallAnd ? "true" : "false";
        std::string r = "and_or_start(" + all + ")";
        for (std::size_t k = first; k < d; ++k)
          r = "and_or_boolean(" + all + ", " + r + ", " + b_at(k) + ")";
        return b_at(first) + " = " + r + ";";
      }
      case Op::kEnd:
        if (s.back().of == Kind::kBoolean) return "return end_boolean(" + b_at(d - 1) + ");";
        return "return end_number(" + x_at(d - 1) + ");";
      default: break;
    }
    throw std::logic_error("unknown code " + str(code_of(x.op)));
  }

  const Code& code_;
  const std::vector<Instr>& in_;
  const std::set<std::uint32_t>& general_targets_;
  std::vector<std::optional<Stack>> stacks_;
  std::set<std::uint32_t> targets_;
};

}  // namespace

std::optional<std::string> number_path(const Code& code,
                                       const std::set<std::uint32_t>& general_targets) {
  return NumberPath(code, general_targets).run();
}

}  // namespace pellavan::nativegen
