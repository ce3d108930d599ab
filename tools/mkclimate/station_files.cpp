#include "mkclimate/station_files.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace pellavan::mkclimate {
namespace {

std::vector<std::string_view> split(std::string_view line, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto end = line.find(separator, start);
    parts.push_back(line.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// "text" followed by `what`.
std::string quoted(std::string_view text, std::string_view what) {
  std::string out(1, '"');
  out.append(text).append("\" ").append(what);
  return out;
}

[[noreturn]] void fail(const std::string& name, int line, const std::string& message) {
  throw ClimateError(name + ":" + std::to_string(line) + ": " + message);
}

// Every non-empty line after the heading, with its line number; the heading must be `heading`'s
// first column.
template <class OnRow>
void for_each_row(std::string_view text, const std::string& name, std::string_view heading,
                  OnRow on_row) {
  int line_no = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line_no == 1) {
      if (!line.starts_with(heading))
        fail(name, 1, "does not start with \"" + std::string(heading) + "\"");
      continue;
    }
    if (!line.empty()) on_row(split(line, ','), line_no);
  }
}

int whole_number(std::string_view text, const std::string& name, int line) {
  int value = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size())
    fail(name, line, quoted(text, "is not a whole number"));
  return value;
}

int tenths(std::string_view text, const std::string& name, int line) {
  double value = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(value))
    fail(name, line, quoted(text, "is not a temperature"));
  return static_cast<int>(std::lround(value * 10));
}

std::string read_whole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ClimateError(path.string() + ": cannot be read");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::vector<Station> parse_stations(std::string_view text, const std::string& name) {
  std::vector<Station> stations;
  for_each_row(text, name, "wmo,state,station", [&](const auto& cells, int line) {
    if (cells.size() < 3) fail(name, line, "has fewer than 3 columns");
    Station station{std::string(cells[0]), std::string(cells[1]), std::string(cells[2])};
    if (cells.size() >= 8 && cells[7].find("CWEC") != std::string_view::npos)
      station.data_set = "CWEC";
    stations.push_back(station);
  });
  return stations;
}

std::vector<HourReading> parse_weather_year(std::string_view text, const std::string& name) {
  std::vector<HourReading> hours;
  for_each_row(text, name, "month,day,hour,dry_bulb_c", [&](const auto& cells, int line) {
    if (cells.size() != 4) fail(name, line, "does not have 4 columns");
    const HourReading reading{whole_number(cells[0], name, line),
                              whole_number(cells[1], name, line),
                              whole_number(cells[2], name, line), tenths(cells[3], name, line)};
    // Rows come in order: the n-th row is hour n of the year.
    const int n = static_cast<int>(hours.size());
    if (reading.hour != n % 24 + 1) fail(name, line, "is not the next hour of the year");
    if (reading.month < 1 || reading.month > 12) fail(name, line, "has no month");
    hours.push_back(reading);
  });
  if (hours.size() != kHoursPerYear)
    throw ClimateError(name + ": holds " + std::to_string(hours.size()) + " hours, not " +
                       std::to_string(kHoursPerYear));
  return hours;
}

std::vector<Station> read_stations(const std::filesystem::path& folder) {
  const auto path = folder / "stations.csv";
  return parse_stations(read_whole(path), path.string());
}

std::vector<HourReading> read_weather_year(const std::filesystem::path& folder,
                                           const Station& station) {
  const auto path = folder / (station.id + ".csv");
  return parse_weather_year(read_whole(path), path.string());
}

}  // namespace pellavan::mkclimate
