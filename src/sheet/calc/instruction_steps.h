#pragma once
// What each instruction of formula code does (formula/code.h), stated once. The interpreter
// (interpreter.cpp) runs these steps, and both paths of the C++ that pellavan-nativegen writes
// call them, so that all give the same values to the last bit. Each is inlined: with the
// operator a constant it folds to that one operation.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "sheet/calc/coerce.h"
#include "sheet/calc/eval_context.h"
#include "sheet/calc/operators.h"
#include "sheet/formula/code.h"
#include "sheet/functions/call_args.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

constexpr bool has_number_path(Op op) {
  return operator_info(op).kind != OperatorKind::kConcatenation;
}

// The number path's steps: the instructions on plain doubles and bools, for values that are all
// numbers and booleans. The steps on values further down take them for those, the functions of
// the registry that have an instruction of their own (ABS, AND, OR, ISERROR) too, and the
// number path of generated code calls them on its doubles and bools.

// A comparison of two numbers.
[[gnu::always_inline]] inline bool number_holds(Op op, double a, double b) {
  return ordering_holds(op, tolerant_order(a, b));
}

// The fast path of an operator with one: on two numbers.
[[gnu::always_inline]] inline Value number_step(Op op, double a, double b) {
  if (is_comparison(op)) return Value::boolean(number_holds(op, a, b));
  return number_arithmetic(op, a, b);
}

// kNegate of a number.
[[gnu::always_inline]] inline double negate_number(double x) { return -x; }
// kCallAbs of a number.
[[gnu::always_inline]] inline double abs_number(double x) { return std::fabs(x); }
// The condition a number makes for a branch.
[[gnu::always_inline]] inline bool number_condition(double x) { return x != 0.0; }
// kCallIsError of a number or boolean: none is an error.
[[gnu::always_inline]] inline bool is_error_number() { return false; }
// One more argument `b` of kCallAnd (`all`) or kCallOr, after those whose outcome is `a`.
[[gnu::always_inline]] inline bool and_or_boolean(bool all, bool a, bool b) {
  return all ? a && b : a || b;
}
// The outcome of kCallAnd (`all`) or kCallOr before any argument.
[[gnu::always_inline]] constexpr bool and_or_start(bool all) { return all; }
// kEnd of a number or boolean.
[[gnu::always_inline]] inline Value end_number(double x) { return Value::number(x); }
[[gnu::always_inline]] inline Value end_boolean(bool b) { return Value::boolean(b); }

// An operator on any two values.
[[gnu::always_inline]] inline Value general_step(Op op, Value a, Value b, StringPool& pool) {
  switch (operator_info(op).kind) {
    case OperatorKind::kArithmetic: return arithmetic(op, a, b, pool);
    case OperatorKind::kConcatenation: return concatenation(a, b, pool);
    case OperatorKind::kComparison: break;
  }
  return comparison(op, a, b, pool);
}

// Binary operator `op` on `a` and `b`, taken from where `left` and `right` say: numbers take the
// fast path, and a direct constant always is one.
[[gnu::always_inline]] inline Value binary_step(Op op, Operand left, Operand right, Value a,
                                                Value b, StringPool& pool) {
  if (has_number_path(op) && (left == Operand::kConstant || a.is_number()) &&
      (right == Operand::kConstant || b.is_number()))
    return number_step(op, a.as_number(), b.as_number());
  return general_step(op, a, b, pool);
}

// kArea: area slot `slot` as a function argument; one off the sheet is #REF!.
[[gnu::always_inline]] inline Value area_step(const EvalContext& context, std::uint32_t slot) {
  return context.areas[slot].valid ? Value::area(slot) : Value::error(ErrorCode::kRef);
}

// kNegate.
[[gnu::always_inline]] inline Value negate_step(Value v, const StringPool& pool) {
  if (v.is_number()) return Value::number(negate_number(v.as_number()));
  const Value n = number_operand(v, pool);
  return n.is_error() ? n : Value::number(negate_number(n.as_number()));
}

// The condition a branch takes: TRUE, FALSE, or an error that ends the IF with it.
[[gnu::always_inline]] inline Value condition_step(Value v, const StringPool& pool) {
  if (v.is_boolean()) return v;
  if (v.is_number()) return Value::boolean(number_condition(v.as_number()));
  return logical_operand(v, pool);
}

// Where kBranch and the compare branches go on condition `v`, which becomes condition_step's:
// on (TRUE), to the IF's else part (FALSE), or to its end with the error.
enum class BranchTo : std::uint8_t { kOn, kElse, kEnd };
[[gnu::always_inline]] inline BranchTo branch_step(Value& v, const StringPool& pool) {
  v = condition_step(v, pool);
  if (v.is_error()) return BranchTo::kEnd;
  return v.as_boolean() ? BranchTo::kOn : BranchTo::kElse;
}

// kCallIsError.
[[gnu::always_inline]] inline Value is_error_step(Value v) { return Value::boolean(v.is_error()); }

// kCallAbs of a number; false, leaving it, for anything else, which kCall takes.
[[gnu::always_inline]] inline bool abs_step(Value& v) {
  if (!v.is_number()) return false;
  v = Value::number(abs_number(v.as_number()));
  return true;
}

// kCallAnd (`all`) or kCallOr of the arguments from `first` to `last` when they are all TRUE or
// FALSE: the result goes to *first. False for any others, which kCall takes.
[[gnu::always_inline]] inline bool and_or_step(bool all, Value* first, Value* last) {
  if (!std::all_of(first, last, [](Value v) { return v.is_boolean(); })) return false;
  bool outcome = and_or_start(all);
  for (const Value* v = first; v != last; ++v)
    outcome = and_or_boolean(all, outcome, v->as_boolean());
  *first = Value::boolean(outcome);
  return true;
}

// kCall: function `function` of the registry on `argc` arguments from `args`, coerced there.
inline Value call_step(std::uint32_t function, Value* args, std::uint32_t argc,
                       EvalContext& context) {
  static const FunctionSpec* const table = functions().data();
  return call_function(table[function], std::span<Value>(args, argc), context);
}

}  // namespace pellavan::sheet
