// pellavan-mkclimate: renews the climate table's source from measured typical-year weather.
//
//   pellavan-mkclimate --stations <folder with stations.csv> --table data/catalogues/cities.txt
//                      --out data/catalogues/cities.txt
//
// Run by hand when the weather data changes; its output is committed, so the build does not
// need the weather data. A fault is reported with its file and line, and nothing is written.

#include <iostream>
#include <string>
#include <vector>

#include "mkclimate/city_names.h"
#include "mkclimate/city_table.h"
#include "mkclimate/faulty_readings.h"
#include "mkdata/output_file.h"
#include "mkdata/record_builder.h"
#include "mkdata/source_file.h"

namespace {

int usage() {
  std::cerr << "usage: pellavan-mkclimate --stations <folder> --table <cities.txt> --out <file>\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pellavan;
  std::string stations_dir, table, out;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string arg = argv[i];
    if (arg == "--stations")
      stations_dir = argv[i + 1];
    else if (arg == "--table")
      table = argv[i + 1];
    else if (arg == "--out")
      out = argv[i + 1];
    else
      return usage();
  }
  if (argc % 2 == 0 || stations_dir.empty() || table.empty() || out.empty()) return usage();

  try {
    std::vector<model::CityRec> current;
    for (const auto& built : mkdata::build_catalogue<model::CityRec>(mkdata::read_source(table)))
      current.push_back(built.record);

    std::vector<mkclimate::DerivedStation> derived;
    for (const auto& station : mkclimate::read_stations(stations_dir)) {
      const auto city = mkclimate::city_of_station(station.name);
      if (!city)
        throw mkclimate::ClimateError("station " + station.id + " \"" + station.name +
                                      "\": no city known; add it to city_names.cpp");
      auto hours = mkclimate::read_weather_year(stations_dir, station);
      const int bridged =
          mkclimate::bridge_faulty_readings(mkclimate::known_faulty_stretches(), station.id, hours);
      derived.push_back({station, *city, mkclimate::derive_climate(hours), bridged});
    }
    const auto text = mkclimate::city_table_source(mkclimate::renew_city_table(current, derived));
    mkdata::write_file_replacing(out, std::vector<std::uint8_t>(text.begin(), text.end()));
  } catch (const std::exception& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
