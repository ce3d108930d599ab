#include <gtest/gtest.h>

#include "model/catalogue/catalogue_fixture.h"
#include "model/catalogue/city_lists.h"

namespace pellavan::model {
namespace {

CityRec city(Int16 id, std::string_view name, std::string_view state) {
  CityRec c{};
  c.Id = id;
  c.City = name;
  c.State = state;
  return c;
}

std::string stored(std::string_view text, std::size_t width) {
  return std::string(text) + std::string(width - text.size(), ' ');
}

class CityListsTest : public testing::CatalogueFixture {
 protected:
  std::vector<CityEntry> read() {
    ModelState m;
    m.program_folder = program_folder();
    auto cities = read_city_file(m);
    last_read = m.CityRec.Id;
    return cities;
  }
  Int16 last_read = 0;
};

// Missouri lies in two groups of the file; "ohio" is written in lower case; Ohio's second record
// repeats Toledo's id; the last record is cut off.
TEST_F(CityListsTest, StatesCitiesAndRestoreFollowTheFileAsStored) {
  write_catalogue<CityRec>(
      "Citydata.CEA",
      {city(7, "St. Louis", "MO"), city(8, "Kansas City", "MO"), city(2, "Atlanta", "GA"),
       city(9, "Springfield", "MO"), city(11, "Toledo", "ohio"), city(12, "Akron", "ohio"),
       city(11, "Zanesville", "ohio")},
      std::vector<std::uint8_t>(100, 1));
  const auto cities = read();
  ASSERT_EQ(cities.size(), 7u) << "a record not wholly in the file is not used";
  EXPECT_EQ(last_read, 11) << "every read goes through the shared buffer";

  const StateList states = state_list(cities, 9);
  EXPECT_EQ(states.states, (std::vector<std::string>{stored("GA", 10), stored("MO", 10),
                                                     stored("MO", 10), stored("ohio", 10)}))
      << "sorted without regard to case, one entry per group";
  EXPECT_EQ(states.selected, 2u) << "the later of the equal entries stays selected";
  EXPECT_FALSE(state_list(cities, 99).selected) << "a city id not in the file selects no state";

  const auto missouri = city_list(cities, "  MO  ");
  ASSERT_EQ(missouri.size(), 3u) << "both groups of the state";
  EXPECT_EQ(missouri[0].name, stored("Kansas City", 40));
  EXPECT_EQ(missouri[2].id, 7);
  const auto ohio = city_list(cities, "ohio");
  EXPECT_EQ(restore_city(ohio, 11), 2u) << "two records with one id: the last entry stays selected";
  EXPECT_FALSE(restore_city(ohio, 7));
}

TEST_F(CityListsTest, AnEmptyFileGivesEmptyLists) {
  write_bytes("Citydata.CEA", {});
  const auto cities = read();
  EXPECT_TRUE(cities.empty());
  EXPECT_TRUE(state_list(cities, 7).states.empty());
  EXPECT_TRUE(city_list(cities, "MO").empty());
}

TEST_F(CityListsTest, AMissingFileEndsTheProgramWithItsMessage) {
  EXPECT_THROW(read(), model::DataFileFailure);
}

// The job panel's city: the name of the record with the project's id, or none.
TEST_F(CityListsTest, CityNamesAreLookedUpById) {
  ModelState m;
  m.program_folder = program_folder();
  EXPECT_EQ(city_name(m, 7), "") << "no city file: no name, and the program goes on";
  write_catalogue<CityRec>("Citydata.CEA",
                           {city(7, "St. Louis", "MO"), city(3, " Chicago ", "IL")});
  for (const auto& [id, name] : {std::pair{7, "St. Louis"}, {3, "Chicago"}, {99, ""}}) {
    EXPECT_EQ(city_name(m, static_cast<Int16>(id)), name) << id;
  }
}

}  // namespace
}  // namespace pellavan::model
