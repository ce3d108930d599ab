// The climate table renewed from stations: city names, kept ids, new ids, representative records
// and the worked example's city.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mkclimate/city_names.h"
#include "mkclimate/city_table.h"
#include "mkdata/record_builder.h"
#include "mkdata/source_file.h"

namespace pellavan::mkclimate {
namespace {

TEST(MkclimateTableTest, StationsAreNamedByTheirCity) {
  struct Row {
    const char* station;
    const char* city;
  };
  for (const Row& r : {Row{"Kansas City IntL Arpt", "Kansas City"},
                       {"Denver Centennial  Golden   Nr", "Denver"},
                       {"Miami Intl Ap", "Miami Intl"},
                       {"Miami Kendall Tamia", "Miami Kendall"},
                       {"Miami Opa Locka", "Miami Opa Locka"},
                       {"Fulton Co Arpt Brow", "Atlanta"},
                       {"Ogden Hill Afb", "Ogden Hill AFB"},
                       {"Ogden Hinkley Airport", "Ogden Hinkley"},
                       {"Ellsworth Afb", "Rapid City"},
                       {"Rapid City Regional Arpt", "Rapid City Regional"},
                       {"Jackson International Ap", "Jackson"},
                       {"Greer Greenv'l-Spartanbrg Ap", "Greenville-Spartanburg"},
                       {"Worchester Regional Arpt", "Worcester"},
                       {"Chicago Midway Ap", "Chicago Midway"},
                       {"Denver Intl Ap", "Denver Intl"},
                       {"New York Central Prk Obs Belv", "New York Central Park"},
                       {"St Louis Lambert IntL Arpt", "St. Louis Lambert"},
                       {"Washington Dc Dulles IntL Ar", "Washington Dulles"},
                       {"Middletown Harrisburg Intl Ap", "Harrisburg"},
                       {"State College  Penn State   Su", "State College"},
                       {"Wichita Falls Municipal Arpt", "Wichita Falls"},
                       {"Wichita Mid Continent Ap", "Wichita"},
                       {"Jacksonville Intl Arpt", "Jacksonville"},
                       {"Green Bay Austin Straubel Int", "Green Bay"}}) {
    SCOPED_TRACE(r.station);
    EXPECT_EQ(city_of_station(r.station), r.city);
  }
  EXPECT_EQ(city_of_station("Omahaville Field"), std::nullopt);  // a word must end
  EXPECT_EQ(city_of_station("Nowhere Intl"), std::nullopt);
}

TEST(MkclimateTableTest, TheStationListNamesEachStationsDataSet) {
  const auto stations = parse_stations(
      "wmo,state,station,latitude,longitude,utc_offset_h,elevation_m,source_file\n"
      "725500,NE,Omaha Eppley Airfield,41.3,-95.9,-6.0,299.0,USA_NE_Omaha.725500_TMY3.epw\n"
      "724280,OH,Columbus Port Columbus Intl A,,,,,OH.csv\n"
      "716270,QC,Montreal Intl Ap,45.47,-73.75,-5.0,36.0,CAN_PQ_Montreal.716270_CWEC.epw\n",
      "stations.csv");
  ASSERT_EQ(stations.size(), 3u);
  EXPECT_EQ(stations[0].data_set, "TMY3");
  EXPECT_EQ(stations[1].data_set, "TMY3");
  EXPECT_EQ(stations[1].name, "Columbus Port Columbus Intl A");
  EXPECT_EQ(stations[2].data_set, "CWEC");
}

model::CityRec city(int id, const char* name, const char* state, double degree_days) {
  model::CityRec c{};
  c.Id = static_cast<model::Int16>(id);
  c.City = name;
  c.State = state;
  c.WeatherData(33) = model::Currency::from_double(degree_days);
  return c;
}

DerivedStation station(const char* id, const char* state, const char* city_name, int dd) {
  ClimateFigures f;
  f.degree_days = dd;
  return {{id, state, std::string(city_name) + " Intl Ap"}, city_name, f};
}

TEST(MkclimateTableTest, CoveredCitiesKeepTheirIdsAndNewStationsFollow) {
  const std::vector<model::CityRec> table = {city(7, "St. Louis", "MO", 4900),
                                             city(8, "Kansas City", "MO", 5200),
                                             city(9, "Springfield", "MO", 4600)};
  const std::vector<DerivedStation> stations = {
      station("725500", "NE", "Omaha", 5992), station("724460", "MO", "Kansas City", 5434),
      station("724340", "MO", "St. Louis", 4700), station("723403", "AR", "Little Rock", 3140)};
  const auto entries = renew_city_table(table, stations);

  struct Expect {
    int id;
    const char* city;
    double degree_days;
    const char* origin;
  };
  const std::vector<Expect> expected = {
      {10, "Little Rock", 3140, "TMY3 station 723403 Little Rock Intl Ap"},
      {8, "Kansas City", 5434, "TMY3 station 724460 Kansas City Intl Ap"},
      {9, "Springfield", 4600, "representative values: no station of the data covers this city"},
      {7, "St. Louis", 4900, "representative values: the worked example's city, kept as it is"},
      {11, "Omaha", 5992, "TMY3 station 725500 Omaha Intl Ap"}};
  ASSERT_EQ(entries.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].city);
    EXPECT_EQ(entries[i].record.Id, expected[i].id);
    EXPECT_EQ(entries[i].record.City.trimmed(), expected[i].city);
    EXPECT_EQ(entries[i].record.WeatherData(33).to_double(), expected[i].degree_days);
    EXPECT_EQ(entries[i].origin, expected[i].origin);
  }
}

TEST(MkclimateTableTest, TheSourceReadsBackAsTheSameRecords) {
  auto montreal = station("716270", "QC", "Montreal", 8263);
  montreal.station.data_set = "CWEC";
  montreal.bridged_hours = 3;
  const auto entries = renew_city_table({city(1, "Calgary", "AB", 9300)},
                                        {station("725500", "NE", "Omaha", 5992), montreal});
  const auto text = city_table_source(entries);
  EXPECT_NE(text.find("# TMY3 station 725500 Omaha Intl Ap\nId = 2\n"), std::string::npos);
  EXPECT_NE(text.find("# CWEC station 716270 Montreal Intl Ap; 3 faulty hours bridged\nId = 3\n"),
            std::string::npos);
  const auto built =
      mkdata::build_catalogue<model::CityRec>(mkdata::parse_source(text, "cities.txt"));
  ASSERT_EQ(built.size(), entries.size());
  for (std::size_t i = 0; i < built.size(); ++i)
    EXPECT_TRUE(built[i].record == entries[i].record) << i;
}

TEST(MkclimateTableTest, TwoStationsOfOneCityAreRefused) {
  EXPECT_THROW((void)renew_city_table({}, {station("722020", "FL", "Miami", 140),
                                           station("722029", "FL", "Miami", 254)}),
               ClimateError);
}

}  // namespace
}  // namespace pellavan::mkclimate
