#include "nativegen/native_source.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "nativegen/code_reading.h"
#include "nativegen/number_path.h"
#include "sheet/calc/native_code.h"

namespace pellavan::nativegen {

namespace {

// The depth of the stack before each instruction (-1: a data word, or never reached), and the
// instructions that something jumps to.
struct Flow {
  std::vector<int> depth;
  std::set<std::uint32_t> targets;
};

Flow flow_of(const Code& code) {
  const std::vector<Instr>& in = code.instrs;
  Flow flow{std::vector<int>(in.size(), -1), {}};
  std::vector<std::uint32_t> work;
  const auto reach = [&](std::uint32_t i, int depth) {
    if (i >= in.size() || depth < 0) throw std::logic_error("code leaves its bounds");
    if (flow.depth[i] == depth) return;
    if (flow.depth[i] != -1) throw std::logic_error("stack depths disagree");
    flow.depth[i] = depth;
    work.push_back(i);
  };
  const auto jump = [&](std::uint32_t i, int depth) {
    flow.targets.insert(i);
    reach(i, depth);
  };
  reach(0, 0);
  while (!work.empty()) {
    const std::uint32_t i = work.back();
    work.pop_back();
    const Instr& x = in[i];
    const int d = flow.depth[i];
    Binary b;
    if (binary_of(x.op, b)) {
      reach(i + 1, d - b.on_stack() + 1);
      continue;
    }
    if (is_slot_constant_branch(x.op)) {
      reach(i + 2, d);
      jump(x.arg, d);
      jump(x.aux, d + 1);
      continue;
    }
    switch (x.op) {
      case Op::kConst:
      case Op::kRef:
      case Op::kArea: reach(i + 1, d + 1); break;
      case Op::kNegate:
      case Op::kCallIsError:
      case Op::kCallAbs: reach(i + 1, d); break;
      case Op::kBranch:
        reach(i + 1, d - 1);
        jump(x.arg, d - 1);
        jump(x.aux, d);
        break;
      case Op::kBranchCompare:
        reach(i + 1, d - 2);
        jump(x.arg, d - 2);
        jump(x.aux, d - 1);
        break;
      case Op::kBranchCompareOperands: {
        const Instr& w = in.at(i + 1);
        const Binary o{0, sheet::left_kind(w.argc), sheet::right_kind(w.argc)};
        reach(i + 2, d - o.on_stack());
        jump(x.arg, d - o.on_stack());
        jump(x.aux, d - o.on_stack() + 1);
        break;
      }
      case Op::kJump: jump(x.arg, d); break;
      case Op::kCall:
      case Op::kCallAnd:
      case Op::kCallOr: reach(i + 1, d - x.argc + 1); break;
      case Op::kEnd: break;
      default: throw std::logic_error(std::string("unknown code ") + std::to_string(code_of(x.op)));
    }
  }
  return flow;
}

std::string label(std::uint32_t i) { return std::string("L") + std::to_string(i); }
std::string s_at(int i) { return std::string("s[") + std::to_string(i) + "]"; }

// Where a binary operator's operand is read from; `stack` is its place on the stack.
std::string operand(Operand kind, std::uint32_t index, int stack) {
  switch (kind) {
    case Operand::kSlot: return std::string("values[slot[") + std::to_string(index) + "]]";
    case Operand::kConstant: return std::string("k[") + std::to_string(index) + "]";
    case Operand::kStack: break;
  }
  return s_at(stack);
}

// The two operands of a binary operator at stack depth d, as `a` and `b`; the result's place.
std::string operands(const Binary& b, std::uint32_t left_index, std::uint32_t right_index, int d,
                     int& result) {
  const int n = b.on_stack();
  result = d - n;
  const int left_at = d - n;
  const int right_at = d - 1;
  return "const Value a = " + operand(b.left, left_index, left_at) +
         "; const Value b = " + operand(b.right, right_index, right_at) + "; ";
}

std::string operand_name(Operand kind) {
  switch (kind) {
    case Operand::kSlot: return "Operand::kSlot";
    case Operand::kConstant: return "Operand::kConstant";
    case Operand::kStack: break;
  }
  return "Operand::kStack";
}

// The operator's step on `a` and `b` (instruction_steps.h).
std::string step(unsigned op, Operand left, Operand right) {
  return "binary_step(" + op_name(op) + ", " + operand_name(left) + ", " + operand_name(right) +
         ", a, b, pool)";
}

// The branch of an IF on the condition `value`: an error ends the IF with it (left at s[at]),
// FALSE goes to arg, TRUE on to what follows.
std::string branch(const std::string& value, int at, const Instr& x) {
  return "{ Value cond = " + value +
         "; switch (branch_step(cond, pool)) { case BranchTo::kEnd: " + s_at(at) +
         " = cond; goto " + label(x.aux) + "; case BranchTo::kElse: goto " + label(x.arg) +
         "; case BranchTo::kOn: break; } }";
}

std::string call(const Instr& x, int first) {
  return s_at(first) + " = call_step(" + std::to_string(x.arg) + ", s + " + std::to_string(first) +
         ", " + std::to_string(x.argc) + ", c);";
}

std::string statement(const std::vector<Instr>& in, std::uint32_t i, int d) {
  const Instr& x = in[i];
  const std::string arg = std::to_string(x.arg);
  Binary b;
  if (binary_of(x.op, b)) {
    int result = 0;
    const std::string fetch = operands(b, x.aux, x.arg, d, result);
    return "{ " + fetch + s_at(result) + " = " + step(b.op, b.left, b.right) + "; }";
  }
  if (is_slot_constant_branch(x.op)) {
    const Instr& w = in[i + 1];
    return std::string("{ const Value a = values[slot[") + std::to_string(w.aux) +
           "]]; const Value b = k[" + std::to_string(w.arg) + "]; " +
           branch(step(x.argc, Operand::kSlot, Operand::kConstant), d, x) + " }";
  }
  switch (x.op) {
    case Op::kConst: return s_at(d) + " = k[" + arg + "];";
    case Op::kRef: return s_at(d) + " = values[slot[" + arg + "]];";
    case Op::kArea: return s_at(d) + " = area_step(c, " + arg + ");";
    case Op::kNegate: return s_at(d - 1) + " = negate_step(" + s_at(d - 1) + ", pool);";
    case Op::kBranch: return branch(s_at(d - 1), d - 1, x);
    case Op::kBranchCompare:
      return "{ const Value a = " + s_at(d - 2) + "; const Value b = " + s_at(d - 1) + "; " +
             branch(step(x.argc, Operand::kStack, Operand::kStack), d - 2, x) + " }";
    case Op::kBranchCompareOperands: {
      const Instr& w = in[i + 1];
      int result = 0;
      const Binary o{0, sheet::left_kind(w.argc), sheet::right_kind(w.argc)};
      const std::string fetch = operands(o, w.aux, w.arg, d, result);
      return "{ " + fetch + branch(step(x.argc, o.left, o.right), result, x) + " }";
    }
    case Op::kJump: return "goto " + label(x.arg) + ";";
    case Op::kCall: return call(x, d - x.argc);
    case Op::kCallAnd:
    case Op::kCallOr: {
      const int first = d - x.argc;
      const std::string args = std::string("s + ") + std::to_string(first);
      return std::string("if (!and_or_step(") + (x.op == Op::kCallAnd ? "true" : "false") + ", " +
             args + ", " + args + " + " + std::to_string(x.argc) + ")) " + call(x, first);
    }
    case Op::kCallIsError: return s_at(d - 1) + " = is_error_step(" + s_at(d - 1) + ");";
    case Op::kCallAbs: return "if (!abs_step(" + s_at(d - 1) + ")) " + call(x, d - x.argc);
    case Op::kEnd: return "return formula_result(" + s_at(d - 1) + ");";
    default: break;
  }
  throw std::logic_error(std::string("unknown code ") + std::to_string(code_of(x.op)));
}

constexpr const char* kIncludes =
    "#include <cmath>\n#include <cstdint>\n#include <span>\n\n"
    "#include \"sheet/calc/instruction_steps.h\"\n#include \"sheet/calc/interpreter.h\"\n"
    "#include \"sheet/calc/native_code.h\"\n\n";

// Named after the namespace of the table, so that the tables of two books link side by side.
std::string function_name(std::string_view space, std::size_t i) {
  return "native_" + std::string(space) + "_" + std::to_string(i);
}

std::string declaration(std::string_view name) {
  return "Value " + std::string(name) +
         "(const Value* k, const std::uint32_t* slot, EvalContext& c)";
}

}  // namespace

std::string native_function(const Code& code, std::string_view name) {
  const Flow flow = flow_of(code);
  std::string out = declaration(name) + " {\n";
  out += "  [[maybe_unused]] const Value* const values = c.values;\n";
  out += "  [[maybe_unused]] StringPool& pool = *c.pool;\n";
  out += "  (void)k;\n  (void)slot;\n";
  if (const auto numbers = number_path(code, flow.targets)) out += *numbers + "slow:\n";
  out += std::string("  [[maybe_unused]] Value s[") + std::to_string(std::max(code.max_stack, 1u)) +
         "];\n";
  for (std::uint32_t i = 0; i < code.instrs.size(); ++i) {
    if (flow.depth[i] < 0) continue;
    if (flow.targets.count(i) > 0) out += label(i) + ":\n";
    out += "  " + statement(code.instrs, i, flow.depth[i]) + "\n";
  }
  out += "}\n\n";
  return out;
}

// A comment line of `text`; a backslash at its end would carry the comment on.
std::string comment(std::string_view text) {
  std::string line = "// " + std::string(text);
  if (line.back() == '\\') line += " ";
  return line + "\n";
}

NativeSources native_sources(std::span<const NativeInput> codes, std::size_t parts,
                             std::string_view space, std::string_view accessor) {
  NativeSources sources;
  sources.parts.assign(std::max<std::size_t>(parts, 1), "");
  const std::size_t per_part = (codes.size() + sources.parts.size() - 1) / sources.parts.size();
  for (std::size_t p = 0; p < sources.parts.size(); ++p) {
    std::string& out = sources.parts[p];
    out = "// Made by pellavan-nativegen: do not edit.\n";
    out += kIncludes;
    out += "namespace pellavan::sheet {\n\n";
    const std::size_t first = p * per_part;
    for (std::size_t i = first; i < std::min(codes.size(), first + per_part); ++i)
      out += comment(codes[i].origin) + native_function(*codes[i].code, function_name(space, i));
    out += "}  // namespace pellavan::sheet\n";
  }

  std::string& t = sources.table;
  t = "// Made by pellavan-nativegen: do not edit.\n#include \"sheet/calc/native_code.h\"\n\n";
  t += "namespace pellavan::sheet {\n\n";
  for (std::size_t i = 0; i < codes.size(); ++i)
    t += declaration(function_name(space, i)) + ";  " + comment(codes[i].origin);
  t += "\nnamespace {\n\n";
  for (std::size_t i = 0; i < codes.size(); ++i) {
    t += std::string("constexpr Instr kCode") + std::to_string(i) + "[] = {";
    for (const Instr& x : codes[i].code->instrs)
      t += std::string("{static_cast<Op>(") + std::to_string(code_of(x.op)) + std::string("), ") +
           std::to_string(x.argc) + std::string(", ") + std::to_string(x.aux) + std::string(", ") +
           std::to_string(x.arg) + "u},";
    t += "};\n";
    if (codes[i].code->constants.empty()) continue;
    t += std::string("constexpr std::uint64_t kConstants") + std::to_string(i) + "[] = {";
    for (const sheet::Value v : codes[i].code->constants)
      t += std::to_string(sheet::constant_signature(v)) + "u, ";
    t += "};\n";
  }
  t += "\n}  // namespace\n}  // namespace pellavan::sheet\n\n";
  t += "namespace pellavan::" + std::string(space) + " {\n\n";
  t += "const sheet::NativeCode& " + std::string(accessor) + "() {\n";
  t += "  static const sheet::NativeShape kShapes[] = {\n";
  for (std::size_t i = 0; i < codes.size(); ++i)
    t += std::string("      {sheet::kCode") + std::to_string(i) + ", " +
         (codes[i].code->constants.empty() ? std::string("{}")
                                           : std::string("sheet::kConstants") + std::to_string(i)) +
         ", sheet::" + function_name(space, i) + "},\n";
  t += "  };\n  static const sheet::NativeCode code(kShapes);\n  return code;\n}\n\n";
  t += "}  // namespace pellavan::" + std::string(space) + "\n";
  return sources;
}

}  // namespace pellavan::nativegen
