#include "sheet/functions/registry.h"

#include <vector>

#include "sheet/calc/coerce.h"

namespace pellavan::sheet {

std::span<const FunctionSpec> functions() {
  static const std::vector<FunctionSpec> table = [] {
    std::vector<FunctionSpec> all;
    for (auto family : {logical_functions(), math_functions(), aggregate_functions(),
                        text_functions(), date_functions()}) {
      all.insert(all.end(), family.begin(), family.end());
    }
    return all;
  }();
  return table;
}

const FunctionSpec& function_spec(std::uint16_t id) { return functions()[id]; }

std::optional<std::uint16_t> find_function(std::string_view name) {
  const auto table = functions();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (compare_ignoring_case(table[i].name, name) == 0) return static_cast<std::uint16_t>(i);
  }
  return std::nullopt;
}

std::uint16_t if_function_id() {
  static const std::uint16_t id = *find_function("IF");
  return id;
}

}  // namespace pellavan::sheet
