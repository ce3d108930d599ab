#include "model/catalogue/city_lists.h"

#include <algorithm>

#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/catalogue/data_file_access.h"
#include "model/text/ascii.h"
#include "model/text/cp1252.h"

namespace pellavan::model {

std::vector<CityEntry> read_city_file(ModelState& model) {
  CatalogueRecords file =
      open_catalogue(model.data_files, model.program_folder, kCityFile, CityRec::kFileSize);
  std::vector<CityEntry> cities;
  for (std::int64_t n = 1; !file.eof(); ++n) {
    CityRec record;
    if (!file.read(n, record)) break;
    model.CityRec = record;
    cities.push_back({model.CityRec.Id, utf8_from_cp1252(model.CityRec.City.str()),
                      utf8_from_cp1252(model.CityRec.State.str())});
  }
  return cities;
}

std::string city_name(ModelState& model, Int16 city_id) {
  if (!model.data_files.catalogues.exists(model.program_folder, kCityFile) ||
      !find_catalogue_record(model.data_files, model.program_folder, kCityFile, city_id,
                             model.CityRec))
    return {};
  const std::string name = utf8_from_cp1252(model.CityRec.City.str());
  return std::string(trim_blanks(name));
}

StateList state_list(const std::vector<CityEntry>& cities, Int16 city_id) {
  StateList list;
  const std::string* previous = nullptr;
  std::optional<std::string> wanted;
  for (const CityEntry& c : cities) {
    if (previous == nullptr || c.state != *previous) list.states.push_back(c.state);
    previous = &c.state;
    if (c.id == city_id) wanted = std::string(trim_blanks(c.state));
  }
  std::stable_sort(
      list.states.begin(), list.states.end(),
      [](const std::string& a, const std::string& b) { return less_ignoring_case(a, b); });
  for (std::size_t i = 0; wanted && i < list.states.size(); ++i)
    if (trim_blanks(list.states[i]) == *wanted) list.selected = i;
  return list;
}

std::vector<CityItem> city_list(const std::vector<CityEntry>& cities, std::string_view state) {
  const std::string_view wanted = trim_blanks(state);
  std::vector<CityItem> items;
  for (const CityEntry& c : cities)
    if (trim_blanks(c.state) == wanted) items.push_back({c.city, c.id});
  std::stable_sort(items.begin(), items.end(), [](const CityItem& a, const CityItem& b) {
    return less_ignoring_case(a.name, b.name);
  });
  return items;
}

std::optional<std::size_t> restore_city(const std::vector<CityItem>& items, Int16 city_id) {
  std::optional<std::size_t> selected;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].id == city_id) selected = i;
  return selected;
}

}  // namespace pellavan::model
