#pragma once
// The climate values of a city record (CityRec.WeatherData 1 to 38) derived from a measured
// typical year of hourly dry-bulb temperatures. Temperatures are worked in exact hundredths of a
// °F (a tenth of a °C is 0.18 °F), so that bin boundaries and percentiles do not depend on
// floating-point rounding; results are rounded to a whole °F or day, halves up.
//
// - Bins 1 to 30: hours in the 5 °F bins centred at 117 - 5 i °F; a temperature on a boundary
//   goes to the warmer bin, everything above 114.5 °F to bin 1, everything below -30.5 °F to 30.
// - Heating design (31): the temperature equalled or exceeded by 97.5 % of the hours of December,
//   January and February; cooling design (32): the temperature equalled or exceeded by 1 % of the
//   hours of June to September (the seasonal percentages of the classic design tables). Each is
//   the n-th warmest hour of its months, n the percentage of their hours rounded up.
// - Heating degree days (33): the sum over the days of 65 °F less the day's mean of its 24 hours,
//   where positive.
// - Heating corrections (34, 35): not weather data. The table's existing records follow straight
//   lines in the degree days, which we fitted to its 16 records (least squares; they give back
//   every one of them to two decimals): at all load corrections 1, 0.681 + 3.015e-5 x DD, at most
//   0.95; at all corrections 5, 0.2383 + 4.509e-5 x DD.
// - Ground (36 to 38), from the annual wave of the daily means (annual_wave.h), the model of
//   Kusuda and Achenbach for the undisturbed ground: the ground surface follows the air's annual
//   wave with its amplitude, a few weeks late. The annual surface swing (37) is the wave's
//   amplitude; the phase lag (38) the day of the air's minimum plus kSurfaceLagDays, the usual
//   lag of the surface behind the air: Kusuda's fits of measured earth temperatures put the
//   surface minimum early in February (phase constants of 30 to 40 days) while the air's annual
//   minimum falls in mid-January. Nearer a heated building, under snow or in a wet soil the
//   ground differs; the table gives the open-field figures.
// - Deep-earth temperature (36): the wave's mean plus kEarthAboveAirF. The ground below the
//   annual wave is warmer than the air above it on average (sunshine on the surface, snow
//   keeping the winter's cold out); the ground-source design rule is the mean air temperature
//   plus 2 °F, and the earlier table's records lie 0.8 to 3.4 °F above the stations' mean air
//   temperatures, 1.94 °F on average over its eleven cities that have a station. The worked
//   example's St. Louis record (57 °F, 24.4, 34 days) is of this size: the stations on either
//   side of it at its latitude, Kansas City and Louisville, give 56 and 58 °F, 26.0 and 23.1, 33
//   and 35 days.

#include <array>
#include <span>

#include "mkclimate/station_files.h"

namespace pellavan::mkclimate {

inline constexpr double kSurfaceLagDays = 18;
inline constexpr double kEarthAboveAirF = 2;

struct ClimateFigures {
  std::array<int, 30> bin_hours{};  // bin 1 first
  int heating_design = 0;           // °F
  int cooling_design = 0;           // °F
  int degree_days = 0;              // °F days, base 65 °F
  double correction_at_1 = 0;       // two decimals
  double correction_at_5 = 0;
  int earth = 0;     // °F
  double swing = 0;  // F degrees, one decimal
  int phase = 0;     // days
};

// A temperature in tenths of a °C, as exact hundredths of a °F.
[[nodiscard]] constexpr int hundredths_f(int tenths_c) { return 3200 + 18 * tenths_c; }

// The bin (1 to 30) of a temperature in hundredths of a °F.
[[nodiscard]] int bin_of(int hundredths_f);

// The corrections (34, 35) of a number of degree days, to two decimals.
[[nodiscard]] double correction_at_1(int degree_days);
[[nodiscard]] double correction_at_5(int degree_days);

// `hours` is a whole year, as read_weather_year gives it.
[[nodiscard]] ClimateFigures derive_climate(std::span<const HourReading> hours);

}  // namespace pellavan::mkclimate
