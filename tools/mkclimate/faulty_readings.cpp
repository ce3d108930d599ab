#include "mkclimate/faulty_readings.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace pellavan::mkclimate {

const std::vector<FaultyStretch>& known_faulty_stretches() {
  static const std::vector<FaultyStretch> stretches = {
      {"722024", 4, 8, 18, 24},   // Miami Opa Locka: down to 0 to 8 F overnight, thrice in April
      {"722024", 4, 19, 18, 24},  //
      {"722024", 4, 24, 20, 24},  //
      {"722024", 8, 2, 13, 2},    // 45 F at noon in August
      {"722024", 8, 26, 1, 29},   // up to 111 F, nights at 88 to 93 F
      {"724927", 7, 25, 1, 24},   // Livermore: down to 20 F in July
      {"725785", 8, 19, 5, 15},   // Idaho Falls: 24 F at three in an August afternoon
      {"726625", 1, 15, 18, 1},   // Ellsworth AFB: 88 F on a January evening between 12 and 7 F
      {"722016", 11, 30, 16, 1},  // Marathon: 99 F in November between 81 and 77 F
      {"722520", 10, 31, 7, 1},   // Laredo: 79 F at dawn between 61 and 61 F
      {"725780", 10, 27, 24, 1},  // Pocatello: 47 F at midnight between 63 and 63 F
      {"726550", 2, 10, 22, 5},   // St. Cloud: a line up to 59 F at midnight between 13 and 4 F
      {"722223", 10, 22, 10, 2},  // Pensacola: 90 F at ten, and a line from it, on a 73 F day
      {"724390", 5, 13, 9, 2},    // Springfield IL: 72 and 75 F in the morning between 56 and 59 F
      {"725140", 10, 3, 1, 1},    // Williamsport: hours 1 and 4 of two days traded, 61 and 62 F
      {"725140", 10, 3, 4, 1},    //   in a night at 46 F, 47 and 45 F in a night at 61 F
      {"725140", 10, 4, 1, 1},    //
      {"725140", 10, 4, 4, 1},    //
  };
  return stretches;
}

int bridge_faulty_readings(std::span<const FaultyStretch> stretches, std::string_view station,
                           std::vector<HourReading>& year) {
  int bridged = 0;
  for (const auto& s : stretches) {
    if (s.station != station) continue;
    const auto it = std::find_if(year.begin(), year.end(), [&](const HourReading& h) {
      return h.month == s.month && h.day == s.day && h.hour == s.hour;
    });
    const auto first = static_cast<std::size_t>(it - year.begin());
    const std::size_t after = first + static_cast<std::size_t>(s.hours);
    if (first == 0 || after >= year.size() || s.hours < 1)
      throw ClimateError(
          "station " + std::string(station) +
          ": a faulty stretch lies outside the year or has no reading on either side");
    const double before = year[first - 1].tenths_c;
    const double next = year[after].tenths_c;
    for (std::size_t i = first; i < after; ++i) {
      const double share = static_cast<double>(i - first + 1) / (s.hours + 1);
      year[i].tenths_c = static_cast<int>(std::lround(before + (next - before) * share));
    }
    bridged += s.hours;
  }
  return bridged;
}

}  // namespace pellavan::mkclimate
