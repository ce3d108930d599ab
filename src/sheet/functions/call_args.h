#pragma once
// The arguments of one function call, coerced as the function's table entry asks, and the one
// routine that calls a function.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sheet/calc/coerce.h"
#include "sheet/calc/eval_context.h"
#include "sheet/functions/registry.h"

namespace pellavan::sheet {

// The values live on the evaluation stack; call_function coerces them there, in place.
class CallArgs {
 public:
  CallArgs(std::span<Value> args, EvalContext& context) : raw_(args), context_(context) {}

  std::size_t count() const { return raw_.size(); }
  // Arguments of kind kAny, kNumbers and kLogicals, as they came.
  Value raw(std::size_t i) const { return raw_[i]; }
  // Arguments of kind kNumber, kText and kLogical, after coercion.
  double number(std::size_t i) const { return raw_[i].as_number(); }
  std::string_view text(std::size_t i) const { return context_.pool->get(raw_[i].as_text()); }
  bool logical(std::size_t i) const { return raw_[i].as_boolean(); }

  // Arguments of kind kNumbers: calls add(x) for each number they give, in order, and returns the
  // first error met instead. Cells of a reference or area count only when they hold a number (an
  // error among them is handed on); other values are coerced like operands.
  template <class F>
  std::optional<ErrorCode> each_number(F&& add) const {
    for (const Value v : raw_) {
      if (v.is_area()) {
        if (auto e = each_area_cell(v, [&](Value c) {
              if (c.is_number()) add(c.as_number());
            })) {
          return e;
        }
        continue;
      }
      const Value n = number_operand(v, *context_.pool);
      if (n.is_error()) return n.as_error();
      add(n.as_number());
    }
    return std::nullopt;
  }

  // Arguments of kind kLogicals, likewise: cells count when they hold a number or boolean.
  template <class F>
  std::optional<ErrorCode> each_logical(F&& add) const {
    for (const Value v : raw_) {
      if (v.is_area()) {
        if (auto e = each_area_cell(v, [&](Value c) {
              if (c.is_number() || c.is_boolean())
                add(logical_operand(c, *context_.pool).as_boolean());
            })) {
          return e;
        }
        continue;
      }
      const Value b = logical_operand(v, *context_.pool);
      if (b.is_error()) return b.as_error();
      add(b.as_boolean());
    }
    return std::nullopt;
  }

  Value text_result(std::string text) const {
    if (text.size() > kMaxTextLength) return Value::error(ErrorCode::kValue);
    return Value::text(context_.pool->add_scratch(std::move(text)));
  }
  StringPool& pool() const { return *context_.pool; }
  double today() const { return context_.today; }

 private:
  template <class F>
  std::optional<ErrorCode> each_area_cell(Value area, F&& visit) const {
    const ResolvedArea& a = context_.areas[area.as_area()];
    for (std::uint32_t r = 0; r < a.rows; ++r) {
      const Value* row = context_.values + a.first + r * a.stride;
      for (std::uint32_t c = 0; c < a.cols; ++c) {
        const Value v = row[c];
        if (v.is_error()) return v.as_error();
        visit(v);
      }
    }
    return std::nullopt;
  }

  std::span<Value> raw_;
  EvalContext& context_;
};

// Coerces the arguments by the table entry, hands on the first error among the coerced ones,
// calls the body and turns an infinite or NaN result into #NUM!.
Value call_function(const FunctionSpec& spec, std::span<Value> args, EvalContext& context);

}  // namespace pellavan::sheet
