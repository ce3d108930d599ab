#include "model/units/number_text.h"
#include "systems/geo/geo_t_save_rules.h"

#include <cctype>

#include "systems/geo/geo_block.h"

namespace pellavan::geo {

bool begins_with_number(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i < text.size() && text[i] == '.') ++i;
  return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0;
}

std::string saved_loop_temperature(std::string_view text, std::string_view replacement) {
  return model::Val(text) == 0 ? std::string(replacement) : std::string(text);
}

std::string saved_depth(std::string_view text, std::string_view stored_shown) {
  return begins_with_number(text) ? std::string(text) : std::string(stored_shown);
}

}  // namespace pellavan::geo
