// ABS, SQRT, EXP, COS, INT, PI.
#include <cmath>
#include <numbers>

#include "sheet/calc/instruction_steps.h"
#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

namespace {

Value abs_fn(CallArgs& a) { return Value::number(abs_number(a.number(0))); }

Value sqrt_fn(CallArgs& a) {
  const double x = a.number(0);
  return x < 0.0 ? Value::error(ErrorCode::kNum) : Value::number(std::sqrt(x));
}

Value exp_fn(CallArgs& a) { return Value::number(std::exp(a.number(0))); }
Value cos_fn(CallArgs& a) { return Value::number(std::cos(a.number(0))); }
Value int_fn(CallArgs& a) { return Value::number(std::floor(a.number(0))); }
Value pi_fn(CallArgs&) { return Value::number(std::numbers::pi); }

constexpr ArgKind kNum = ArgKind::kNumber;

constexpr FunctionSpec kMath[] = {
    {"ABS", 1, 1, kNum, kNum, false, abs_fn}, {"SQRT", 1, 1, kNum, kNum, false, sqrt_fn},
    {"EXP", 1, 1, kNum, kNum, false, exp_fn}, {"COS", 1, 1, kNum, kNum, false, cos_fn},
    {"INT", 1, 1, kNum, kNum, false, int_fn}, {"PI", 0, 0, kNum, kNum, false, pi_fn},
};

}  // namespace

std::span<const FunctionSpec> math_functions() { return kMath; }

}  // namespace pellavan::sheet
