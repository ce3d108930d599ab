#include "systems/geo/geo_t_save_rules.h"

#include "model/units/number_text.h"

namespace pellavan::geo {

std::string saved_loop_temperature(std::string_view text, std::string_view replacement) {
  // Whole or with decimals alike: no text with a comma reads as 0.
  return model::typed_number(text, model::Places::Decimals) == 0.0 ? std::string(replacement)
                                                                   : std::string(text);
}

std::string saved_depth(std::string_view text, std::string_view stored_shown) {
  return text.find_first_not_of(" \t") == std::string_view::npos ? std::string(stored_shown)
                                                                 : std::string(text);
}

}  // namespace pellavan::geo
