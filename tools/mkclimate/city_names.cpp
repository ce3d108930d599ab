#include "mkclimate/city_names.h"

#include <array>
#include <utility>

namespace pellavan::mkclimate {
namespace {

// Cities as station names begin with them; two stations of one city carry a suffix.
// clang-format off
constexpr auto kCities = std::to_array<std::string_view>({
    "Abilene",         "Akron",          "Alamosa",       "Albany",         "Albuquerque",
    "Alexandria",      "Allentown",      "Alpena",        "Amarillo",       "Arcata",
    "Asheville",       "Aspen",          "Astoria",       "Athens",         "Atlanta Hartsfield",
    "Atlantic City",   "Augusta",        "Austin",        "Baltimore",      "Bangor",
    "Baton Rouge",     "Bellingham",     "Billings",      "Binghamton",     "Birmingham",
    "Bishop",          "Bismarck",       "Boise",         "Boston",         "Bozeman",
    "Bridgeport",      "Bristol",        "Brownsville",   "Buffalo",        "Burbank",
    "Burlington",      "Burns",          "Caribou",       "Casper",         "Cedar City",
    "Cedar Rapids",    "Charleston",     "Charlotte",     "Chattanooga",    "Cheyenne",
    "Chicago",         "Chicago Midway", "Cincinnati",    "Cleveland",      "Colorado Springs",
    "Columbia",        "Columbus",       "Concord",       "Corpus Christi", "Craig",
    "Dallas",          "Dayton",         "Denver",        "Denver Intl",    "Des Moines",
    "Detroit",         "Dodge City",     "Dubuque",       "Duluth",         "El Paso",
    "Elkins",          "Elko",           "Erie",          "Eugene",         "Evansville",
    "Fargo",           "Farmington",     "Flint",         "Fort Myers",     "Fort Wayne",
    "Fresno",          "Gainesville",    "Garden City",   "Goodland",       "Grand Island",
    "Grand Junction",  "Grand Rapids",   "Great Falls",   "Green Bay",      "Greensboro",
    "Gunnison",        "Hagerstown",     "Hartford",      "Helena",         "Hibbing",
    "Hilo",            "Honolulu",       "Houlton",       "Houston",        "Huntington",
    "Huntsville",      "Idaho Falls",    "Imperial",      "Indianapolis",   "International Falls",
    "Jackson",         "Jacksonville",   "Kahului",       "Kalispell",      "Kansas City",
    "Knoxville",       "La Crosse",      "Lafayette",     "Lake Charles",   "Lansing",
    "Laredo",          "Las Vegas",      "Lexington",     "Lihue",          "Lincoln",
    "Little Rock",     "Livermore",      "Los Angeles",   "Louisville",     "Lubbock",
    "Macon",           "Madison",        "Manchester",    "Marathon",       "Mason City",
    "Medford",         "Memphis",        "Meridian",      "Miami Intl",     "Miami Kendall",
    "Miami Opa Locka", "Midland",        "Milwaukee",     "Minneapolis",    "Minot",
    "Missoula",        "Mobile",         "Moline",        "Monroe",         "Montgomery",
    "Montreal",        "Nashville",      "New Orleans",   "New York",       "Newark",
    "Norfolk",         "North Platte",   "Ogden Hinkley", "Oklahoma City",  "Olympia",
    "Omaha",           "Orlando",        "Paducah",       "Palm Springs",   "Pasco",
    "Pendleton",       "Pensacola",      "Peoria",        "Philadelphia",   "Phoenix",
    "Pittsburgh",      "Pocatello",      "Point Mugu",    "Portland",       "Prescott",
    "Providence",      "Pueblo",         "Redding",       "Reno",           "Richmond",
    "Roanoke",         "Rochester",      "Rockford",      "Roswell",        "Sacramento",
    "Saginaw",         "Salem",          "Salina",        "Salisbury",      "Salt Lake City",
    "San Antonio",     "San Diego",      "San Francisco", "Santa Rosa",     "Savannah",
    "Scottsbluff",     "Seattle",        "Shreveport",    "Sioux City",     "Sioux Falls",
    "South Bend",      "Spokane",        "Springfield",   "State College",  "Stockton",
    "Syracuse",        "Tacoma",         "Tallahassee",   "Tampa",          "Toledo",
    "Topeka",          "Traverse City",  "Trenton",       "Tucson",         "Tulsa",
    "Tupelo",          "Waco",           "Waterloo",      "Wausau",         "West Palm Beach",
    "Wichita",         "Wichita Falls",  "Williamsport",  "Wilmington",     "Winnemucca",
    "Yakima",
});
// clang-format on

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
    {"Middletown Harrisburg", "Harrisburg"},
    {"Wilkes Barre Scranton", "Wilkes-Barre/Scranton"},
    {"Hancock Houghton", "Houghton"},  // the Houghton County airport lies in Hancock
    {"Kalamazoo Battle Cr", "Kalamazoo-Battle Creek"},
    {"Sault Ste Marie", "Sault Ste. Marie"},
    {"Raleigh Durham", "Raleigh-Durham"},
    {"Washington Dc Dulles", "Washington Dulles"},  // in Virginia, the capital's western airport
    {"New York Central Prk", "New York Central Park"},  // told apart from Kennedy airport
    {"St Louis Lambert", "St. Louis Lambert"},          // beside the worked example's St. Louis
    {"St Cloud", "St. Cloud"},
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
