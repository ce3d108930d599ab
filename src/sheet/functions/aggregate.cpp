// SUM, MIN, MAX, AVERAGE over numbers, references and areas.
#include <algorithm>

#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

namespace {

Value sum_fn(CallArgs& a) {
  double sum = 0.0;
  if (auto e = a.each_number([&](double x) { sum += x; })) return Value::error(*e);
  return Value::number(sum);
}

Value average_fn(CallArgs& a) {
  double sum = 0.0;
  int count = 0;
  if (auto e = a.each_number([&](double x) { sum += x, ++count; })) return Value::error(*e);
  return count == 0 ? Value::error(ErrorCode::kDiv0) : Value::number(sum / count);
}

// MIN and MAX of nothing (only empty cells or texts) are 0.
template <bool kMin>
Value extreme(CallArgs& a) {
  bool seen = false;
  double best = 0.0;
  if (auto e = a.each_number([&](double x) {
        best = !seen ? x : (kMin ? std::min(best, x) : std::max(best, x));
        seen = true;
      })) {
    return Value::error(*e);
  }
  return Value::number(best);
}

constexpr ArgKind kNums = ArgKind::kNumbers;

constexpr FunctionSpec kAggregate[] = {
    {"SUM", 1, 30, kNums, kNums, false, sum_fn},
    {"MIN", 1, 30, kNums, kNums, false, extreme<true>},
    {"MAX", 1, 30, kNums, kNums, false, extreme<false>},
    {"AVERAGE", 1, 30, kNums, kNums, false, average_fn},
};

}  // namespace

std::span<const FunctionSpec> aggregate_functions() { return kAggregate; }

}  // namespace pellavan::sheet
