// TODAY: the serial of the recalculation's date (the book's clock, read once per recalculation).
#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

namespace {

Value today_fn(CallArgs& a) { return Value::number(a.today()); }

constexpr FunctionSpec kDate[] = {
    {"TODAY", 0, 0, ArgKind::kAny, ArgKind::kAny, true, today_fn},
};

}  // namespace

std::span<const FunctionSpec> date_functions() { return kDate; }

}  // namespace pellavan::sheet
