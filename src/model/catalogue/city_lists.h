#pragma once
// The state and city lists of the project-information window, built from the city file. The
// file is grouped by state; a state whose cities lie in two groups gives two equal entries.
// Entries show the texts as stored (trailing blanks included); states compare without their
// leading and trailing blanks, except where a new state entry starts, which compares the stored
// ten characters. Both lists are sorted without regard to case (less_ignoring_case), stably, so
// equal entries keep the order of the file.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/model_state.h"
#include "model/record/field_types.h"

namespace pellavan::model {

struct CityEntry {
  Int16 id = 0;
  std::string city;   // the 40 stored characters, as UTF-8
  std::string state;  // the 10 stored characters, as UTF-8
};

// Every record of the city file that lies wholly in it, in file order. Each goes through the
// shared buffer, so CityRec holds the last of them afterwards (never the cut-off rest of one). A
// missing or unopenable file ends the program after its message.
[[nodiscard]] std::vector<CityEntry> read_city_file(ModelState& model);

struct StateList {
  std::vector<std::string> states;      // as stored, sorted
  std::optional<std::size_t> selected;  // the last entry of the project's city's state, if any
};
// The project's city is the last record carrying `city_id`.
[[nodiscard]] StateList state_list(const std::vector<CityEntry>& cities, Int16 city_id);

struct CityItem {
  std::string name;  // as stored
  Int16 id = 0;      // the list item's datum
};
// The cities of every group of `state` (compared trimmed), sorted.
[[nodiscard]] std::vector<CityItem> city_list(const std::vector<CityEntry>& cities,
                                              std::string_view state);

// The name of the city whose record carries `city_id`, without surrounding blanks, looked up by
// id into CityRec; empty when the city file is missing or no record carries the id.
[[nodiscard]] std::string city_name(ModelState& model, Int16 city_id);

// The last item carrying `city_id`, if any.
[[nodiscard]] std::optional<std::size_t> restore_city(const std::vector<CityItem>& items,
                                                      Int16 city_id);

}  // namespace pellavan::model
