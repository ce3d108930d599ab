#pragma once
// The formula operators on values. Errors pass through, the left operand's first.

#include "sheet/calc/coerce.h"
#include "sheet/calc/near_equal.h"
#include "sheet/formula/code.h"
#include "sheet/string_pool.h"
#include "sheet/value.h"

namespace pellavan::sheet {

// x ^ y as spreadsheets define it: 0^0 and roots of negatives are #NUM!, 0^-n is #DIV/0!.
Value power(double x, double y);

// Op is one of kAdd, kSub, kMul, kDiv, kPow. A sum or difference that cancels to the operands'
// last bits is 0 (cancelling_sum).
Value arithmetic(Op op, Value a, Value b, const StringPool& pool);
Value concatenation(Value a, Value b, StringPool& pool);
// Op is one of kEq ... kGe. Numbers compare by tolerant_order.
Value comparison(Op op, Value a, Value b, const StringPool& pool);

// Always inlined: with `op` a constant it folds to that one operation.
[[gnu::always_inline]] inline Value number_arithmetic(Op op, double x, double y) {
  switch (op) {
    case Op::kAdd: return number_result(cancelling_sum(x, y));
    case Op::kSub: return number_result(cancelling_sum(x, -y));
    case Op::kMul: return number_result(x * y);
    case Op::kDiv: return y == 0.0 ? Value::error(ErrorCode::kDiv0) : number_result(x / y);
    default:
      // The squares and cubes of the curve fits, without the cost of pow.
      if (y == 2.0) return number_result(x * x);
      if (y == 3.0) return number_result(x * x * x);
      return power(x, y);
  }
}

[[gnu::always_inline]] inline bool ordering_holds(Op op, int order) {
  switch (op) {
    case Op::kEq: return order == 0;
    case Op::kNe: return order != 0;
    case Op::kLt: return order < 0;
    case Op::kLe: return order <= 0;
    case Op::kGt: return order > 0;
    default: return order >= 0;
  }
}

}  // namespace pellavan::sheet
