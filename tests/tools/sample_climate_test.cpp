// The sample climate table: a year of bin hours in every city, grouped by state, and the
// worked example's climate.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "sample_data_fixture.h"

namespace pellavan::testing {
namespace {

double bin_hours(const model::CityRec& city) {
  double sum = 0;
  for (int bin = 1; bin <= 30; ++bin) sum += city.WeatherData(bin).to_double();
  return sum;
}

TEST_F(SampleDataTest, EveryCityHasAYearOfPlausibleClimate) {
  const auto cities = all_records<model::CityRec>("Citydata.CEA");
  EXPECT_GE(cities.size(), 12u);
  for (const auto& c : cities) {
    SCOPED_TRACE(c.City.trimmed());
    EXPECT_GE(bin_hours(c), 8700);
    EXPECT_LE(bin_hours(c), 8800);
    const double heating_design = c.WeatherData(31).to_double();
    const double cooling_design = c.WeatherData(32).to_double();
    EXPECT_LT(heating_design, cooling_design);
    EXPECT_GE(c.WeatherData(33).to_double(), 0);  // degree days: none in Honolulu
    EXPECT_GT(c.WeatherData(34).to_double(), c.WeatherData(35).to_double());  // corrections
    EXPECT_GT(c.WeatherData(36).to_double(), heating_design);                 // earth
    EXPECT_LT(c.WeatherData(36).to_double(), cooling_design);
    EXPECT_GT(c.WeatherData(37).to_double(), 0);  // swing
    EXPECT_GT(c.WeatherData(38).to_double(), 0);  // lag
    EXPECT_FALSE(c.State.trimmed().empty());
  }
}

TEST_F(SampleDataTest, CitiesAreGroupedByStateAcrossSeveralStates) {
  // The state list starts an entry wherever the stored 10 characters change.
  std::vector<std::string> groups;
  for (const auto& c : all_records<model::CityRec>("Citydata.CEA"))
    if (groups.empty() || groups.back() != c.State.str()) groups.push_back(c.State.str());
  const std::set<std::string> states(groups.begin(), groups.end());
  EXPECT_EQ(states.size(), groups.size()) << "a state appears in two groups";
  EXPECT_GE(states.size(), 5u);
}

TEST_F(SampleDataTest, TheEarlierCitiesKeepTheirIds) {
  // Projects store city ids: a renewed table keeps every id it once gave.
  const std::vector<std::tuple<int, std::string, std::string>> earlier = {
      {1, "Calgary", "AB"},     {2, "Atlanta", "GA"},     {3, "Chicago", "IL"},
      {4, "Springfield", "IL"}, {5, "Winnipeg", "MB"},    {6, "Minneapolis", "MN"},
      {7, "St. Louis", "MO"},   {8, "Kansas City", "MO"}, {9, "Springfield", "MO"},
      {10, "Albany", "NY"},     {11, "Cleveland", "OH"},  {12, "Columbus", "OH"},
      {13, "Ottawa", "ON"},     {14, "Toronto", "ON"},    {15, "Dallas", "TX"},
      {16, "Houston", "TX"}};
  const auto cities = all_records<model::CityRec>("Citydata.CEA");
  for (const auto& [id, name, state] : earlier) {
    const auto it =
        std::find_if(cities.begin(), cities.end(), [id = id](const auto& c) { return c.Id == id; });
    ASSERT_NE(it, cities.end()) << id;
    EXPECT_EQ(it->City.trimmed(), name);
    EXPECT_EQ(it->State.trimmed(), state);
  }
}

TEST_F(SampleDataTest, StLouisIsTheWorkedExampleClimate) {
  const auto cities = all_records<model::CityRec>("Citydata.CEA");
  const auto stl = std::find_if(cities.begin(), cities.end(),
                                [](const auto& c) { return c.City.trimmed() == "St. Louis"; });
  ASSERT_NE(stl, cities.end());
  EXPECT_EQ(stl->State.trimmed(), "MO");
  const double bins[30] = {0,   1,   10,  47,  165, 346, 578, 731, 850, 764,
                           676, 586, 576, 545, 617, 670, 637, 404, 228, 138,
                           97,  50,  24,  11,  1,   0,   0,   0,   0,   0};
  for (int i = 1; i <= 30; ++i)
    EXPECT_EQ(stl->WeatherData(i).to_double(), bins[i - 1]) << "bin " << i;
  const double rest[8] = {6, 97, 4900, 0.83, 0.46, 57, 24.4, 34};
  for (int i = 31; i <= 38; ++i) EXPECT_EQ(stl->WeatherData(i).to_double(), rest[i - 31]) << i;
  EXPECT_EQ(bin_hours(*stl), 8752);
}

}  // namespace
}  // namespace pellavan::testing
