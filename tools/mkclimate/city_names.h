#pragma once
// The city a contractor looks a station up by: "Kansas City" for "Kansas City IntL Arpt". Station
// names start with their city, or with an airport that stands for one; a city with two stations
// lists both, told apart by a short suffix ("Miami Intl", "Miami Kendall").

#include <optional>
#include <string>
#include <string_view>

namespace pellavan::mkclimate {

// The city of a station name, or none when the name is not one we know: a new station is then
// named by adding its city (or its airport, as an alias) to the tables in city_names.cpp.
[[nodiscard]] std::optional<std::string> city_of_station(std::string_view station_name);

}  // namespace pellavan::mkclimate
