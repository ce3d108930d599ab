// IF, AND, OR, ISERROR, TRUE, FALSE.
#include "sheet/calc/instruction_steps.h"
#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

namespace {

template <bool kAll>
Value all_or_any(CallArgs& a) {
  bool seen = false;
  bool result = and_or_start(kAll);
  if (auto e = a.each_logical([&](bool b) {
        seen = true;
        result = and_or_boolean(kAll, result, b);
      })) {
    return Value::error(*e);
  }
  return seen ? Value::boolean(result) : Value::error(ErrorCode::kValue);
}

Value iserror_fn(CallArgs& a) { return is_error_step(a.raw(0)); }
Value true_fn(CallArgs&) { return Value::boolean(true); }
Value false_fn(CallArgs&) { return Value::boolean(false); }

constexpr ArgKind kAny = ArgKind::kAny;
constexpr ArgKind kLogicals = ArgKind::kLogicals;

constexpr FunctionSpec kLogical[] = {
    {"IF", 2, 3, ArgKind::kLogical, kAny, false,
     nullptr},  // compiled to jumps: only one branch runs
    {"AND", 1, 30, kLogicals, kLogicals, false, all_or_any<true>},
    {"OR", 1, 30, kLogicals, kLogicals, false, all_or_any<false>},
    {"ISERROR", 1, 1, kAny, kAny, false, iserror_fn},
    {"TRUE", 0, 0, kAny, kAny, false, true_fn},
    {"FALSE", 0, 0, kAny, kAny, false, false_fn},
};

}  // namespace

std::span<const FunctionSpec> logical_functions() { return kLogical; }

}  // namespace pellavan::sheet
