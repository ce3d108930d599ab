#pragma once
// Fixed factors of the metric display. Values are held in imperial units; these convert only
// what a window shows and what the user types.

namespace pellavan::model {

inline constexpr double kBtuhPerKw = 3413.0;
inline constexpr double kMetresPerFoot = 0.3048;
// Gas volume and energy per Ccf as the price conversions use them (not the exact factors).
inline constexpr double kCubicMetresPerCcf = 2.832;
inline constexpr double kGigajoulesPerCcf = 0.10673;
inline constexpr double kLitresPerGallon = 3.785;

}  // namespace pellavan::model
