#include "sheet/functions/call_args.h"

namespace pellavan::sheet {

Value call_function(const FunctionSpec& spec, std::span<Value> args, EvalContext& context) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    Value& c = args[i];
    const Value v = c;
    switch (spec.kind_of(i)) {
      case ArgKind::kNumber: c = number_operand(v, *context.pool); break;
      case ArgKind::kLogical: c = logical_operand(v, *context.pool); break;
      case ArgKind::kText:
        c = v.is_error() ? v : Value::text(text_operand(v, *context.pool));
        break;
      case ArgKind::kAny:
      case ArgKind::kNumbers:
      case ArgKind::kLogicals: continue;
    }
    if (c.is_error()) return c;
  }
  CallArgs call(args, context);
  const Value result = spec.body(call);
  return result.is_number() ? number_result(result.as_number()) : result;
}

}  // namespace pellavan::sheet
