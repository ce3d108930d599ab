#pragma once
// The indoor-coil combinations a furnace allows: the standard-blower set, or for a
// variable-speed blower (IcmFanFlag 1) the one combination its model name implies ("Fan Coil",
// else the efficiency class after the first "-": below 90 a standard furnace, else a
// high-efficiency one). The item data of each entry is the stored combination, 1 to 3.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellavan::systems {

struct CoilEntry {
  std::string text;
  int id = 0;
};

struct CoilChoice {
  std::vector<CoilEntry> entries;
  int selected = 0;  // the id to select; 0: none
};

inline constexpr const char* kVspdCaption = "Indoor Combination - Vspd Fan";
inline constexpr const char* kStdCaption = "Indoor Combination - Std Fan";

// The coil-condition entry a stored factor selects: the one whose item data is exactly ten times
// the factor (0, 5, 10, 15); nothing for a negative factor or one that is no tenth.
[[nodiscard]] std::optional<int> coil_condition_entry(double factor);

// The full set of either kind (the list a window starts with).
[[nodiscard]] std::vector<CoilEntry> coil_set(bool variable_speed);
// The two digits after the first "-" of the name, 0 when none begin with a digit.
[[nodiscard]] int efficiency_class(std::string_view name);
// The combination to restore: the stored one when it names an entry (1 to 3), else the default
// project's, else "Standard". A file that holds 0 or a foreign value would otherwise run with no
// combination, which the analysis reads as better than "Best".
[[nodiscard]] int restored_coil_quality(int stored, int default_project);
// The list after a furnace is chosen, given the stored combination (0: none).
[[nodiscard]] CoilChoice coil_choice(double icm_fan_flag, std::string_view furnace_name,
                                     int stored_quality);

}  // namespace pellavan::systems
