#pragma once
// The built-in functions, declared once in a table: name, argument counts, how each argument is
// coerced, volatility and the body. call_function() is the one routine that coerces the
// arguments and stops at the first error, so a body only computes.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "sheet/value.h"

namespace pellavan::sheet {

class CallArgs;

enum class ArgKind : std::uint8_t {
  kNumber,    // coerced to a number
  kText,      // coerced to a text
  kLogical,   // coerced to TRUE or FALSE
  kAny,       // handed over as it is, errors included
  kNumbers,   // aggregates: a reference or area is handed over whole; its cells are read by the
              // rule that skips texts, booleans and empty cells; other values are coerced
  kLogicals,  // AND, OR: likewise for logical values
};

constexpr bool accepts_areas(ArgKind k) {
  return k == ArgKind::kNumbers || k == ArgKind::kLogicals;
}

using FunctionBody = Value (*)(CallArgs& args);

struct FunctionSpec {
  std::string_view name;
  std::uint8_t min_args;
  std::uint8_t max_args;
  ArgKind first_kind;  // of the first argument
  ArgKind rest_kind;   // of every further argument
  bool is_volatile;    // computes something else at each recalculation (TODAY)
  FunctionBody body;   // nullptr for IF, which the compiler turns into jumps

  ArgKind kind_of(std::size_t arg) const { return arg == 0 ? first_kind : rest_kind; }
};

inline constexpr std::size_t kMaxArgs = 30;

// The table, in a fixed order: a function's index is its id in formulas.
std::span<const FunctionSpec> functions();
const FunctionSpec& function_spec(std::uint16_t id);
// Case-insensitive lookup.
std::optional<std::uint16_t> find_function(std::string_view name);
std::uint16_t if_function_id();

// The table entries of each family, joined by functions().
std::span<const FunctionSpec> math_functions();
std::span<const FunctionSpec> logical_functions();
std::span<const FunctionSpec> text_functions();
std::span<const FunctionSpec> date_functions();
std::span<const FunctionSpec> aggregate_functions();

}  // namespace pellavan::sheet
