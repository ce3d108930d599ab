#include "systems/geo/geo_t_save_rules.h"

#include "model/units/number_text.h"

namespace pellavan::geo {

std::string saved_loop_temperature(std::string_view text, std::string_view replacement) {
  return model::typed_number(text) == 0.0 ? std::string(replacement) : std::string(text);
}

std::string saved_depth(std::string_view text, std::string_view stored_shown) {
  return text.find_first_not_of(" \t") == std::string_view::npos ? std::string(stored_shown)
                                                                 : std::string(text);
}

}  // namespace pellavan::geo
