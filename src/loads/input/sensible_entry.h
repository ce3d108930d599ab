#pragma once
// The sensible cooling load and the sensible/total ratio kept consistent as the user enters one
// of them, on the texts of the boxes in their display unit (Btu/h or kW).

#include <optional>
#include <string>
#include <string_view>

namespace pellavan::loads {

// The ratio a box holds: its leading number to four decimals.
[[nodiscard]] double ratio_of(std::string_view text);

// The sensible load's text for the cooling load and ratio as typed, computed at the precision
// the cooling load is shown with (whole Btu/h, or kW to one decimal).
[[nodiscard]] std::string sensible_from_ratio(std::string_view cooling, std::string_view ratio,
                                              bool in_kw);

struct RatioFromSensible {
  std::optional<std::string> cooling;  // the cooling load's new text when it was not above 0
  std::string ratio;                   // "#.00"
};
[[nodiscard]] RatioFromSensible ratio_from_sensible(std::string_view cooling,
                                                    std::string_view sensible);

}  // namespace pellavan::loads
