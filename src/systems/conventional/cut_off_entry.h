#pragma once
// What the heat pump's cut-off field holds once it is left. A text that still reads as what the
// window showed stays, so tabbing through stores the value back unchanged; a typed °F value goes
// to the nearest whole degree (a half away from zero), a typed °C value to its nearest half
// degree, each once. A text that is no number stays as typed.

#include <string>
#include <string_view>

namespace pellavan::systems {

[[nodiscard]] std::string cut_off_left_text(std::string_view text, std::string_view shown,
                                            bool celsius);

}  // namespace pellavan::systems
