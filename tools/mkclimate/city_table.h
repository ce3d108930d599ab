#pragma once
// The climate table's source (data/catalogues/cities.txt) renewed from the stations: a record of
// the table whose city and state a station now covers takes the station's figures and keeps its
// id (projects store ids); a station the table lacks becomes a new record with the next free id;
// records no station covers keep their values and are marked representative. The worked
// example's city keeps its record whatever the stations hold.

#include <string>
#include <vector>

#include "mkclimate/climate_figures.h"
#include "mkclimate/station_files.h"
#include "model/records/city_rec.h"

namespace pellavan::mkclimate {

inline constexpr int kWorkedExampleCityId = 7;  // St. Louis, MO

struct DerivedStation {
  Station station;
  std::string city;  // city_of_station's name
  ClimateFigures figures;
  int bridged_hours = 0;  // faulty readings bridged before deriving the figures
};

struct TableEntry {
  model::CityRec record;
  std::string origin;  // the comment naming where its values come from
};

// The table in its order: grouped by state, states and cities sorted without regard to case.
// Throws ClimateError when two stations give one state the same city.
[[nodiscard]] std::vector<TableEntry> renew_city_table(const std::vector<model::CityRec>& table,
                                                       const std::vector<DerivedStation>& stations);

// The source text of a table, in the form pellavan-mkdata reads.
[[nodiscard]] std::string city_table_source(const std::vector<TableEntry>& entries);

}  // namespace pellavan::mkclimate
