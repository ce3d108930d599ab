#include "mkclimate/city_table.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "model/record/field_text.h"
#include "model/text/ascii.h"

namespace pellavan::mkclimate {
namespace {

constexpr std::string_view kHeading =
    R"(# Climate table (CityRec of "Citydata.CEA"), grouped by state or province: the cities of one
# state follow one another. A record starts at its "Id =" line; fields are named as in the
# record table. Fields left out stay as a new record has them: NUL bytes for texts, 0 numbers.
#
# Written by pellavan-mkclimate (tools/mkclimate) from the typical-year weather (TMY3, CWEC) of
# the stations each record names (data/README.md says how); records no station covers keep their
# representative values, and the worked example's St. Louis stays as it is. Ids never change:
# projects store them.
#
# WeatherData(1..30): hours a year in the outdoor-temperature bins centred at 112, 107, ... -33 F
# (bin i at 117 - 5 i F); they add up to about 8,760.
# WeatherData(31..38): heating design temperature (97.5 %, F), cooling design temperature (1 %,
# F), heating degree days (base 65 F), heating correction with all four load corrections at 1
# and at 5, deep-earth temperature (F), annual surface temperature swing (F degrees), phase lag
# of the surface temperature (days).
)";

using Key = std::pair<std::string, std::string>;  // state, city; upper case

Key key_of(std::string_view state, std::string_view city) {
  auto upper = [](std::string_view s) {
    std::string out(model::trim_blanks(s));
    for (auto& c : out) c = model::ascii_upper(c);
    return out;
  };
  return {upper(state), upper(city)};
}

void set_figures(model::CityRec& rec, const ClimateFigures& f) {
  auto set = [&](int element, double value) {
    rec.WeatherData(element) = model::Currency::from_double(value);
  };
  for (int bin = 1; bin <= 30; ++bin) set(bin, f.bin_hours[static_cast<std::size_t>(bin - 1)]);
  set(31, f.heating_design);
  set(32, f.cooling_design);
  set(33, f.degree_days);
  set(34, f.correction_at_1);
  set(35, f.correction_at_5);
  set(36, f.earth);
  set(37, f.swing);
  set(38, f.phase);
}

std::string station_origin(const DerivedStation& d) {
  std::string origin = d.station.data_set + " station " + d.station.id + " " + d.station.name;
  if (d.bridged_hours > 0)
    origin += "; " + std::to_string(d.bridged_hours) +
              (d.bridged_hours == 1 ? " faulty hour bridged" : " faulty hours bridged");
  return origin;
}

bool table_order(const TableEntry& a, const TableEntry& b) {
  const auto sa = a.record.State.trimmed(), sb = b.record.State.trimmed();
  if (!model::equal_ignoring_case(sa, sb)) return model::less_ignoring_case(sa, sb);
  return model::less_ignoring_case(a.record.City.trimmed(), b.record.City.trimmed());
}

std::string values(const model::CityRec& rec, int first, int last) {
  std::string out;
  for (int i = first; i <= last; ++i) {
    if (i > first) out += ", ";
    out += model::get_field_text(rec, "WeatherData", i);
  }
  return out;
}

}  // namespace

std::vector<TableEntry> renew_city_table(const std::vector<model::CityRec>& table,
                                         const std::vector<DerivedStation>& stations) {
  std::map<Key, const DerivedStation*> by_city;
  for (const auto& s : stations) {
    const auto [it, added] = by_city.emplace(key_of(s.station.state, s.city), &s);
    if (!added)
      throw ClimateError("stations " + it->second->station.id + " and " + s.station.id +
                         " are both " + s.city + ", " + s.station.state +
                         ": give one of them a suffix in city_names.cpp");
  }

  std::vector<TableEntry> out;
  int last_id = 0;
  for (const auto& rec : table) {
    last_id = std::max<int>(last_id, rec.Id);
    TableEntry entry{rec, "representative values: no station of the data covers this city"};
    if (rec.Id == kWorkedExampleCityId) {
      entry.origin = "representative values: the worked example's city, kept as it is";
    } else if (const auto it = by_city.find(key_of(rec.State.str(), rec.City.str()));
               it != by_city.end()) {
      set_figures(entry.record, it->second->figures);
      entry.origin = station_origin(*it->second);
    }
    by_city.erase(key_of(rec.State.str(), rec.City.str()));
    out.push_back(entry);
  }

  std::vector<TableEntry> added;
  for (const auto& [key, s] : by_city) {
    TableEntry entry{{}, station_origin(*s)};
    entry.record.City = s->city;
    entry.record.State = s->station.state;
    set_figures(entry.record, s->figures);
    added.push_back(entry);
  }
  std::sort(added.begin(), added.end(), table_order);
  for (auto& entry : added) {
    entry.record.Id = static_cast<model::Int16>(++last_id);
    out.push_back(entry);
  }
  std::stable_sort(out.begin(), out.end(), table_order);
  return out;
}

std::string city_table_source(const std::vector<TableEntry>& entries) {
  std::ostringstream text;
  text << kHeading;
  std::string state;
  for (const auto& e : entries) {
    const auto& r = e.record;
    if (r.State.trimmed() != state) {
      state = r.State.trimmed();
      text << "\n# --- " << state << " ---\n";
    } else {
      text << '\n';
    }
    text << "# " << e.origin << '\n'
         << "Id = " << r.Id << '\n'
         << "City = " << model::get_field_text(r, "City") << '\n'
         << "State = " << model::get_field_text(r, "State") << '\n'
         << "WeatherData(1) = " << values(r, 1, 15) << '\n'
         << "WeatherData(16) = " << values(r, 16, 30) << '\n'
         << "WeatherData(31) = " << values(r, 31, 38) << '\n';
  }
  return text.str();
}

}  // namespace pellavan::mkclimate
