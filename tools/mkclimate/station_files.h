#pragma once
// The measured weather the climate table is derived from: a list of stations (stations.csv:
// wmo, state, station name, latitude, longitude, UTC offset, elevation, source file) and one file
// per station of 8,760 hourly rows "month,day,hour,dry_bulb_c" (a non-leap typical year,
// temperatures in °C to 0.1).

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pellavan::mkclimate {

// A file that cannot be read or a row that is not as described, as "file:line: message".
class ClimateError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Station {
  std::string id;                 // WMO number, also the name of its hourly file
  std::string state;              // two-letter postal code
  std::string name;               // as the data set spells it
  std::string data_set = "TMY3";  // or "CWEC", the Canadian typical years, after its source file
};

struct HourReading {
  int month = 0;
  int day = 0;
  int hour = 0;      // 1 to 24, hour 1 ending at 01:00
  int tenths_c = 0;  // dry-bulb temperature in tenths of a °C
};

inline constexpr int kHoursPerYear = 8760;

[[nodiscard]] std::vector<Station> parse_stations(std::string_view text, const std::string& name);
[[nodiscard]] std::vector<HourReading> parse_weather_year(std::string_view text,
                                                          const std::string& name);

[[nodiscard]] std::vector<Station> read_stations(const std::filesystem::path& folder);
[[nodiscard]] std::vector<HourReading> read_weather_year(const std::filesystem::path& folder,
                                                         const Station& station);

}  // namespace pellavan::mkclimate
