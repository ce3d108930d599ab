#pragma once
// What the heat pump's cut-off field holds once it is left. A text that still reads as what the
// window showed stays, so tabbing through stores the value back unchanged; a typed value, in
// either display, goes to its nearest half degree and then to a whole one, a half away from
// zero (2.3 gives 3, 2.2 gives 2, -2.3 gives -3). A text that shows no number ("12 ft")
// stays as typed, to be refused.

#include <string>
#include <string_view>

#include "model/units/number_text.h"

namespace pellavan::systems {

[[nodiscard]] std::string cut_off_left_text(std::string_view text, std::string_view shown,
                                            model::Places places);

}  // namespace pellavan::systems
