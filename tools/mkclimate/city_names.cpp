#include "mkclimate/city_names.h"

#include <array>
#include <utility>

namespace pellavan::mkclimate {
namespace {

// Cities as station names begin with them; two stations of one city carry a suffix.
constexpr auto kCities = std::to_array<std::string_view>({
    "Akron",       "Albuquerque",     "Amarillo",
    "Arcata",      "Aspen",           "Atlantic City",
    "Baltimore",   "Bangor",          "Birmingham",
    "Bishop",      "Bismarck",        "Boise",
    "Boston",      "Bozeman",         "Bridgeport",
    "Bristol",     "Burbank",         "Burlington",
    "Caribou",     "Casper",          "Charleston",
    "Charlotte",   "Chattanooga",     "Cheyenne",
    "Chicago",     "Cincinnati",      "Cleveland",
    "Columbia",    "Columbus",        "Concord",
    "Craig",       "Dallas",          "Dayton",
    "Denver",      "El Paso",         "Elkins",
    "Elko",        "Eugene",          "Evansville",
    "Fargo",       "Fort Wayne",      "Gunnison",
    "Hartford",    "Hibbing",         "Hilo",
    "Honolulu",    "Houlton",         "Houston",
    "Huntington",  "Huntsville",      "Idaho Falls",
    "Imperial",    "Indianapolis",    "Jackson",
    "Kansas City", "Knoxville",       "Laredo",
    "Las Vegas",   "Lexington",       "Little Rock",
    "Livermore",   "Louisville",      "Manchester",
    "Marathon",    "Memphis",         "Meridian",
    "Miami Intl",  "Miami Kendall",   "Miami Opa Locka",
    "Milwaukee",   "Minneapolis",     "Minot",
    "Missoula",    "Mobile",          "Montgomery",
    "Montreal",    "Nashville",       "New York",
    "Newark",      "Ogden Hinkley",   "Oklahoma City",
    "Omaha",       "Paducah",         "Pasco",
    "Phoenix",     "Pocatello",       "Point Mugu",
    "Portland",    "Prescott",        "Providence",
    "Reno",        "Richmond",        "Salt Lake City",
    "San Antonio", "San Francisco",   "Santa Rosa",
    "Sioux Falls", "South Bend",      "Stockton",
    "Tacoma",      "Tampa",           "Toledo",
    "Trenton",     "Tucson",          "Tulsa",
    "Tupelo",      "West Palm Beach", "Wilmington",
    "Winnemucca",
});

// Stations named after their airport or base, and the city a contractor looks them up by.
constexpr auto kAliases = std::to_array<std::pair<std::string_view, std::string_view>>({
    {"Fulton Co", "Atlanta"},                        // Fulton County Airport - Brown Field
    {"Ellsworth Afb", "Rapid City"},                 // the air force base beside Rapid City
    {"Rapid City Regional", "Rapid City Regional"},  // told apart from the base
    {"Jackson Hole", "Jackson"},
    {"Ogden Hill Afb", "Ogden Hill AFB"},
    {"Dover Afb", "Dover"},
    {"Greer", "Greenville-Spartanburg"},  // the two cities' airport lies in Greer
    {"Worchester", "Worcester"},          // the data set's spelling
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
