#pragma once
// Readings of the measured weather that cannot be weather: gaps the data set filled with a
// runaway line (Miami at 0 °F in April, Livermore at 20 °F in July, St. Cloud at 59 °F on a
// February midnight), single hours or pairs 16 to 76 °F away from both their neighbours, and
// hours traded between two nights (Williamsport). Each stretch is bridged by the straight line
// between the readings on either side of it, so the day keeps its place in the bins with a
// plausible temperature. The stretches were found by looking for hours beyond every hour of the
// two neighbouring months, for hours 8 °C or more from both their neighbours, for stretches of
// up to five hours that leave both neighbours by 8 °C or more, for flat runs of a day and for
// straight runs of 12 hours or more.

#include <span>
#include <string_view>
#include <vector>

#include "mkclimate/station_files.h"

namespace pellavan::mkclimate {

struct FaultyStretch {
  std::string_view station;  // WMO number
  int month = 0;
  int day = 0;
  int hour = 0;   // the first faulty hour, 1 to 24
  int hours = 0;  // how many follow one another
};

// The stretches the climate table's data hold.
[[nodiscard]] const std::vector<FaultyStretch>& known_faulty_stretches();

// Bridges the stretches of `station` in `year` (a whole year, as read_weather_year gives it);
// returns how many hours it replaced. Throws ClimateError for a stretch outside the year or
// without a reading on either side.
int bridge_faulty_readings(std::span<const FaultyStretch> stretches, std::string_view station,
                           std::vector<HourReading>& year);

}  // namespace pellavan::mkclimate
