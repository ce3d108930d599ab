#pragma once
// The sensible cooling load and the sensible/total ratio kept consistent as the user enters one
// of them, on the texts of the boxes in their display unit (Btu/h or kW).

#include <optional>
#include <string>
#include <string_view>

#include "model/units/number_text.h"

namespace pellavan::loads {

// The ratio a box holds: its leading number to four decimals.
[[nodiscard]] double ratio_of(std::string_view text);

// The sensible load's text for the cooling load as typed, rounded to a whole number in either
// unit (Btu/h or kW), times the ratio: "34650" for 45000 x .77, "10.01" for 13.2 kW x .77.
// `loads` is how the load boxes show their values (whole Btu/h, kW with decimals). Nothing when
// the cooling load's text shows no number ("1.500" in Btu/h): the box is to be refused, and the
// sensible load stays as it was.
[[nodiscard]] std::optional<std::string> sensible_from_ratio(std::string_view cooling,
                                                             std::string_view ratio,
                                                             model::Places loads);

struct RatioFromSensible {
  std::optional<std::string> cooling;  // the cooling load's new text when it was not above 0
  std::string ratio;                   // "#.00"
};
// Nothing when the cooling or the sensible load's text shows no number.
[[nodiscard]] std::optional<RatioFromSensible> ratio_from_sensible(std::string_view cooling,
                                                                   std::string_view sensible,
                                                                   model::Places loads);

}  // namespace pellavan::loads
