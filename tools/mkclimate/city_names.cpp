#include "mkclimate/city_names.h"

#include <array>
#include <utility>

namespace pellavan::mkclimate {
namespace {

// Cities as station names begin with them; two stations of one city carry a suffix.
constexpr auto kCities = std::to_array<std::string_view>({
    "Albuquerque",     "Amarillo",    "Arcata",     "Aspen",         "Bishop",
    "Boston",          "Bozeman",     "Burbank",    "Burlington",    "Charlotte",
    "Cheyenne",        "Chicago",     "Cleveland",  "Craig",         "Dallas",
    "Denver",          "El Paso",     "Eugene",     "Fargo",         "Gunnison",
    "Hibbing",         "Houlton",     "Houston",    "Idaho Falls",   "Imperial",
    "Kansas City",     "Laredo",      "Las Vegas",  "Little Rock",   "Livermore",
    "Louisville",      "Marathon",    "Miami Intl", "Miami Kendall", "Miami Opa Locka",
    "Milwaukee",       "Minneapolis", "Minot",      "Missoula",      "New York",
    "Ogden Hinkley",   "Omaha",       "Pasco",      "Phoenix",       "Point Mugu",
    "Portland",        "Prescott",    "Richmond",   "San Antonio",   "San Francisco",
    "Santa Rosa",      "Stockton",    "Tacoma",     "Tampa",         "Tucson",
    "West Palm Beach", "Winnemucca",
});

// Stations named after their airport or base, and the city a contractor looks them up by.
constexpr auto kAliases = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"Fulton Co", "Atlanta"},         // Fulton County Airport - Brown Field
    {"Ellsworth Afb", "Rapid City"},  // the air force base beside Rapid City
    {"Jackson Hole", "Jackson"},
    {"Ogden Hill Afb", "Ogden Hill AFB"},
});

// The name with runs of blanks made one blank and no blank at either end.
std::string single_blanks(std::string_view name) {
  std::string out;
  for (const char c : name) {
    if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
    out.push_back(c);
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

bool begins_with_words(std::string_view name, std::string_view start) {
  return name.starts_with(start) && (name.size() == start.size() || name[start.size()] == ' ');
}

}  // namespace

std::optional<std::string> city_of_station(std::string_view station_name) {
  const std::string name = single_blanks(station_name);
  for (const auto& [start, city] : kAliases)
    if (begins_with_words(name, start)) return std::string(city);
  std::string_view best;
  for (const auto city : kCities)
    if (begins_with_words(name, city) && city.size() > best.size()) best = city;
  if (best.empty()) return std::nullopt;
  return std::string(best);
}

}  // namespace pellavan::mkclimate
