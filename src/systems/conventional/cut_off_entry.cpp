#include "systems/conventional/cut_off_entry.h"

#include <optional>

#include "model/text/ascii.h"
#include "model/units/number_text.h"
#include "model/units/temperature.h"

namespace pellavan::systems {

std::string cut_off_left_text(std::string_view text, std::string_view shown, model::Places places) {
  const std::string_view typed = model::trim_blanks(text);
  if (typed == model::trim_blanks(shown)) return std::string(text);
  const std::optional<double> number = model::typed_number(typed, places);
  if (typed.empty() || !number) return std::string(text);
  return model::format_fixed(model::Val(model::Round_Half(*number)), 0, true);
}

}  // namespace pellavan::systems
