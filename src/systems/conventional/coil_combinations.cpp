#include "systems/conventional/coil_combinations.h"

#include <cctype>
#include <cmath>

namespace pellavan::systems {

std::vector<CoilEntry> coil_set(bool variable_speed) {
  if (variable_speed) return {{"Fan Coil", 1}, {"Std Furnace", 2}, {"Hi-Eff Furnace", 3}};
  return {{"Best", 1}, {"Standard", 2}, {"Builder", 3}};
}

std::optional<int> coil_condition_entry(double factor) {
  const double tenths = factor * 10;
  if (factor < 0 || tenths != std::round(tenths)) return std::nullopt;
  return static_cast<int>(tenths);
}

int efficiency_class(std::string_view name) {
  const auto dash = name.find('-');
  if (dash == std::string_view::npos) return 0;
  const std::string_view two = name.substr(dash + 1, 2);
  int e = 0;
  for (const char c : two) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) break;
    e = e * 10 + (c - '0');
  }
  return e;
}

int restored_coil_quality(int stored, int default_project) {
  const auto names_entry = [](int q) { return q >= 1 && q <= 3; };
  if (names_entry(stored)) return stored;
  return names_entry(default_project) ? default_project : 2;
}

CoilChoice coil_choice(double icm_fan_flag, std::string_view furnace_name, int stored_quality) {
  const bool variable_speed = icm_fan_flag == 1.0;
  CoilChoice choice{coil_set(variable_speed), 0};
  if (icm_fan_flag == 0.0 && stored_quality != 0) {
    choice.selected = stored_quality;
    return choice;
  }
  if (!variable_speed) return choice;  // three entries, none chosen
  CoilEntry only = choice.entries[2];
  if (furnace_name.find("Fan Coil") != std::string_view::npos)
    only = choice.entries[0];
  else if (efficiency_class(furnace_name) < 90)
    only = choice.entries[1];
  choice.entries = {only};
  choice.selected = only.id;
  return choice;
}

}  // namespace pellavan::systems
