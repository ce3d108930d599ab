#pragma once
// What each instruction of formula code does (formula/code.h), stated once. The interpreter
// (interpreter.cpp) runs these steps, and the C++ that pellavan-nativegen writes for the analysis
// workbook calls them, so that both give the same values to the last bit. Each is inlined: with
// the operator a constant it folds to that one operation.

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

// How a binary operator computes: arithmetic and comparisons take two numbers the fast way.
enum class OperatorKind : std::uint8_t { kArithmetic, kConcatenation, kComparison };

struct OperatorStep {
  Op op;
  const char* name;  // as C++ names it, for generated code
  OperatorKind kind;
};

// The binary operators, in Op order.
inline constexpr OperatorStep kOperatorSteps[kOperatorCount] = {
    {Op::kAdd, "Op::kAdd", OperatorKind::kArithmetic},
    {Op::kSub, "Op::kSub", OperatorKind::kArithmetic},
    {Op::kMul, "Op::kMul", OperatorKind::kArithmetic},
    {Op::kDiv, "Op::kDiv", OperatorKind::kArithmetic},
    {Op::kPow, "Op::kPow", OperatorKind::kArithmetic},
    {Op::kConcat, "Op::kConcat", OperatorKind::kConcatenation},
    {Op::kEq, "Op::kEq", OperatorKind::kComparison},
    {Op::kNe, "Op::kNe", OperatorKind::kComparison},
    {Op::kLt, "Op::kLt", OperatorKind::kComparison},
    {Op::kLe, "Op::kLe", OperatorKind::kComparison},
    {Op::kGt, "Op::kGt", OperatorKind::kComparison},
    {Op::kGe, "Op::kGe", OperatorKind::kComparison},
};

// Op is one of kAdd ... kGe.
constexpr const OperatorStep& operator_step(Op op) {
  return kOperatorSteps[static_cast<unsigned>(op) - static_cast<unsigned>(Op::kAdd)];
}
constexpr bool has_number_path(Op op) {
  return operator_step(op).kind != OperatorKind::kConcatenation;
}

// A comparison of two numbers.
[[gnu::always_inline]] inline bool number_holds(Op op, double a, double b) {
  return ordering_holds(op, tolerant_order(a, b));
}

// The fast path of an operator with one: on two numbers.
[[gnu::always_inline]] inline Value number_step(Op op, double a, double b) {
  if (operator_step(op).kind == OperatorKind::kComparison)
    return Value::boolean(number_holds(op, a, b));
  return number_arithmetic(op, a, b);
}

// An operator on any two values.
[[gnu::always_inline]] inline Value general_step(Op op, Value a, Value b, StringPool& pool) {
  switch (operator_step(op).kind) {
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
  return v.is_number() ? Value::number(-v.as_number()) : negation(v, pool);
}

// The condition a branch takes: TRUE, FALSE, or an error that ends the IF with it.
[[gnu::always_inline]] inline Value condition_step(Value v, const StringPool& pool) {
  return v.is_boolean() ? v : logical_operand(v, pool);
}

// kCallIsError.
[[gnu::always_inline]] inline Value is_error_step(Value v) { return Value::boolean(v.is_error()); }

// kCallAbs of a number; false, leaving it, for anything else, which kCall takes.
[[gnu::always_inline]] inline bool abs_step(Value& v) {
  if (!v.is_number()) return false;
  v = Value::number(std::fabs(v.as_number()));
  return true;
}

// kCallAnd (`all`) or kCallOr of the arguments from `first` to `last` when they are all TRUE or
// FALSE: the result goes to *first. False for any others, which kCall takes.
[[gnu::always_inline]] inline bool and_or_step(bool all, Value* first, Value* last) {
  if (!std::all_of(first, last, [](Value v) { return v.is_boolean(); })) return false;
  const auto is_true = [](Value v) { return v.as_boolean(); };
  *first =
      Value::boolean(all ? std::all_of(first, last, is_true) : std::any_of(first, last, is_true));
  return true;
}

// kCall: function `function` of the registry on `argc` arguments from `args`, coerced there.
inline Value call_step(std::uint32_t function, Value* args, std::uint32_t argc,
                       EvalContext& context) {
  static const FunctionSpec* const table = functions().data();
  return call_function(table[function], std::span<Value>(args, argc), context);
}

}  // namespace pellavan::sheet
