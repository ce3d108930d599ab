#include "sheet/calc/operators.h"

#include <cmath>

namespace pellavan::sheet {

Value power(double x, double y) {
  if (x == 0.0) {
    if (y == 0.0) return Value::error(ErrorCode::kNum);
    if (y < 0.0) return Value::error(ErrorCode::kDiv0);
  }
  return number_result(std::pow(x, y));
}

Value arithmetic(Op op, Value a, Value b, const StringPool& pool) {
  a = number_operand(a, pool);
  if (a.is_error()) return a;
  b = number_operand(b, pool);
  if (b.is_error()) return b;
  return number_arithmetic(op, a.as_number(), b.as_number());
}

Value concatenation(Value a, Value b, StringPool& pool) {
  if (a.is_error()) return a;
  if (b.is_error()) return b;
  const TextId left = text_operand(a, pool);
  const TextId right = text_operand(b, pool);
  const std::string_view l = pool.get(left), r = pool.get(right);
  if (l.size() + r.size() > kMaxTextLength) return Value::error(ErrorCode::kValue);
  if (r.empty()) return Value::text(left);
  if (l.empty()) return Value::text(right);
  std::string joined;
  joined.reserve(l.size() + r.size());
  joined.append(l).append(r);
  return Value::text(pool.add_scratch(std::move(joined)));
}

Value comparison(Op op, Value a, Value b, const StringPool& pool) {
  if (a.is_error()) return a;
  if (b.is_error()) return b;
  return Value::boolean(ordering_holds(op, compare_values(a, b, pool)));
}

}  // namespace pellavan::sheet
