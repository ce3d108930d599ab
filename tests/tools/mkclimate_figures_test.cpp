// The climate figures of a city record derived from a typical year: a synthetic year worked by
// hand, the annual wave of a pure cosine, faulty readings bridged, the corrections against
// today's table, and every
// station against the committed table and the earlier records of the deep-earth temperature.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <numbers>
#include <vector>

#include "mkclimate/annual_wave.h"
#include "mkclimate/city_names.h"
#include "mkclimate/climate_figures.h"
#include "mkclimate/faulty_readings.h"
#include "mkdata/record_builder.h"
#include "mkdata/source_file.h"
#include "model/records/city_rec.h"

namespace pellavan::mkclimate {
namespace {

constexpr std::array<int, 12> kMonthDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A year whose hour h (0 to 8,759) of month m has temperature(m, h) in tenths of a °C.
std::vector<HourReading> year_of(const std::function<int(int, int)>& temperature) {
  std::vector<HourReading> hours;
  for (int month = 1; month <= 12; ++month)
    for (int day = 1; day <= kMonthDays[static_cast<std::size_t>(month - 1)]; ++day)
      for (int hour = 1; hour <= 24; ++hour) {
        const int h = static_cast<int>(hours.size());
        hours.push_back({month, day, hour, temperature(month, h)});
      }
  return hours;
}

// 68 °F all year, but 32 °F in December to February of which the first `cold` hours of January
// are at -4 °F, and the first `hot` hours of July at 104 °F.
std::vector<HourReading> stepped_year(int cold, int hot) {
  constexpr int kJuly = (31 + 28 + 31 + 30 + 31 + 30) * 24;
  return year_of([=](int month, int h) {
    if (month == 1 && h < cold) return -200;
    if (month == 12 || month <= 2) return 0;
    if (month == 7 && h - kJuly < hot) return 400;
    return 200;
  });
}

TEST(MkclimateFiguresTest, BinsTakeBoundariesToTheWarmerBinAndClampTheEnds) {
  struct Row {
    const char* name;
    int tenths_c;
    int bin;
  };
  for (const Row& r : {Row{"far above the top", 500, 1},
                       {"just above 114.5 F", 460, 1},
                       {"just below 114.5 F", 458, 1},
                       {"54.5 F, a boundary", 125, 12},
                       {"54.3 F", 124, 13},
                       {"9.5 F, a boundary", -125, 21},
                       {"-30.5 < -30.46 F", -347, 29},
                       {"-30.64 F", -348, 30},
                       {"far below the bottom", -400, 30}}) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(bin_of(hundredths_f(r.tenths_c)), r.bin);
  }
}

TEST(MkclimateFiguresTest, AWorkedYearGivesItsBinsDesignTemperaturesAndDegreeDays) {
  // 54 cold hours are 2.5 % of the 2,160 winter hours: 97.5 % of them reach 32 F. 30 hot hours
  // are the 1 % (29.28 rounded up) of the 2,928 summer hours that reach 104 F.
  const ClimateFigures f = derive_climate(stepped_year(54, 30));
  std::array<int, 30> bins{};
  bins[3 - 1] = 30;     // 104 F
  bins[10 - 1] = 6570;  // 68 F: 8,760 - 2,160 - 30
  bins[17 - 1] = 2106;  // 32 F
  bins[24 - 1] = 54;    // -4 F
  EXPECT_EQ(f.bin_hours, bins);
  EXPECT_EQ(f.heating_design, 32);
  EXPECT_EQ(f.cooling_design, 104);
  // January 1 and 2 at -4 F: 69 each; January 3, 6 hours at -4 and 18 at 32 F, mean 23: 42; the
  // other 87 winter days at 32 F: 33 each.
  EXPECT_EQ(f.degree_days, 69 + 69 + 42 + 87 * 33);
}

TEST(MkclimateFiguresTest, OneHourMoreBeyondThePercentageMovesTheDesignTemperature) {
  const ClimateFigures f = derive_climate(stepped_year(55, 29));
  EXPECT_EQ(f.heating_design, -4);
  EXPECT_EQ(f.cooling_design, 68);
}

TEST(MkclimateFiguresTest, TheAnnualWaveOfACosineIsItsMeanAmplitudeAndMinimum) {
  std::vector<double> means;
  for (int d = 0; d < 365; ++d)
    means.push_back(50 - 20 * std::cos(2 * std::numbers::pi * (d + 0.5 - 20) / 365));
  const AnnualWave wave = fit_annual_wave(means);
  EXPECT_NEAR(wave.mean, 50, 1e-9);
  EXPECT_NEAR(wave.amplitude, 20, 1e-9);
  EXPECT_NEAR(wave.day_of_minimum, 20, 1e-9);
}

TEST(MkclimateFiguresTest, GroundFiguresAreTheWaveWithTheSurfaceLag) {
  // Daily means 50 - 20 cos(...) with the minimum on day 20, held through each day's 24 hours.
  const auto hours = year_of([](int, int h) {
    const double f = 50 - 20 * std::cos(2 * std::numbers::pi * (h / 24 + 0.5 - 20) / 365);
    return static_cast<int>(std::lround((f - 32) / 0.18));
  });
  const ClimateFigures f = derive_climate(hours);
  EXPECT_EQ(f.earth, 50 + kEarthAboveAirF);
  EXPECT_NEAR(f.swing, 20, 0.05);
  EXPECT_EQ(f.phase, 20 + kSurfaceLagDays);
}

TEST(MkclimateFiguresTest, FaultyStretchesAreBridgedByAStraightLine) {
  // 10 C all year but January 2, hours 1 to 3 at 90 C (hour 24 of January 1 before them, hour
  // 4 after); a stretch of another station is left alone.
  auto year = year_of([](int, int h) { return h >= 24 && h < 27 ? 900 : 100; });
  year[23].tenths_c = 0;
  year[27].tenths_c = 200;
  const std::vector<FaultyStretch> stretches = {{"1", 1, 2, 1, 3}, {"2", 1, 1, 5, 2}};
  EXPECT_EQ(bridge_faulty_readings(stretches, "1", year), 3);
  for (const int i : {24, 25, 26})
    EXPECT_EQ(year[static_cast<std::size_t>(i)].tenths_c, 50 * (i - 23));
  EXPECT_EQ(year[4].tenths_c, 100);

  const std::vector<FaultyStretch> at_the_start = {{"1", 1, 1, 1, 2}};
  EXPECT_THROW((void)bridge_faulty_readings(at_the_start, "1", year), ClimateError);
}

TEST(MkclimateFiguresTest, TheCorrectionsGiveBackTodaysTable) {
  struct Row {
    int degree_days;
    double at_1, at_5;
  };
  // Degree days and corrections of the 16 records the relation was fitted to.
  for (const Row& r : {Row{9300, .95, .66},
                       {2900, .77, .37},
                       {6500, .88, .53},
                       {5600, .85, .49},
                       {10500, .95, .71},
                       {7900, .92, .59},
                       {4900, .83, .46},
                       {5200, .84, .47},
                       {4600, .82, .45},
                       {6900, .89, .55},
                       {6200, .87, .52},
                       {5700, .85, .50},
                       {8400, .93, .62},
                       {7000, .89, .55},
                       {2300, .75, .34},
                       {1400, .72, .30}}) {
    SCOPED_TRACE(r.degree_days);
    EXPECT_DOUBLE_EQ(correction_at_1(r.degree_days), r.at_1);
    EXPECT_DOUBLE_EQ(correction_at_5(r.degree_days), r.at_5);
  }
}

// The measured weather, when this machine has it (PELLAVAN_CLIMATE_DIR).
std::filesystem::path climate_dir() {
  const char* dir = std::getenv("PELLAVAN_CLIMATE_DIR");
  return dir == nullptr ? std::filesystem::path() : std::filesystem::path(dir);
}

// The figures a station gives, as the table stores them.
std::array<double, 38> stored_figures(const ClimateFigures& f) {
  std::array<double, 38> out{};
  for (std::size_t bin = 0; bin < 30; ++bin) out[bin] = f.bin_hours[bin];
  const std::array<double, 8> rest = {1.0 * f.heating_design,
                                      1.0 * f.cooling_design,
                                      1.0 * f.degree_days,
                                      f.correction_at_1,
                                      f.correction_at_5,
                                      1.0 * f.earth,
                                      f.swing,
                                      1.0 * f.phase};
  std::copy(rest.begin(), rest.end(), out.begin() + 30);
  return out;
}

TEST(MkclimateFiguresTest, EveryStationIsItsCommittedRecord) {
  const auto dir = climate_dir();
  if (dir.empty() || !std::filesystem::exists(dir / "stations.csv"))
    GTEST_SKIP() << "no measured weather here: set PELLAVAN_CLIMATE_DIR to check the stations";
  const auto table = mkdata::build_catalogue<model::CityRec>(
      mkdata::read_source(std::string(PELLAVAN_SOURCE_DIR) + "/data/catalogues/cities.txt"));
  const auto stations = read_stations(dir);
  EXPECT_GE(stations.size(), 119u);
  for (const auto& station : stations) {
    SCOPED_TRACE(station.id + " " + station.name);
    const auto city = city_of_station(station.name);
    ASSERT_TRUE(city.has_value());
    const auto rec = std::find_if(table.begin(), table.end(), [&](const auto& c) {
      return c.record.City.trimmed() == *city && c.record.State.trimmed() == station.state;
    });
    ASSERT_NE(rec, table.end());
    auto hours = read_weather_year(dir, station);
    (void)bridge_faulty_readings(known_faulty_stretches(), station.id, hours);
    const auto figures = stored_figures(derive_climate(hours));
    for (int i = 1; i <= 38; ++i)
      EXPECT_DOUBLE_EQ(rec->record.WeatherData(i).to_double(),
                       figures[static_cast<std::size_t>(i - 1)])
          << i;
  }
}

TEST(MkclimateFiguresTest, TheDeepEarthTemperatureMeetsTheEarlierRecords) {
  const auto dir = climate_dir();
  if (dir.empty() || !std::filesystem::exists(dir / "stations.csv"))
    GTEST_SKIP() << "no measured weather here: set PELLAVAN_CLIMATE_DIR to check the stations";
  struct Row {
    Station station;
    int earlier_earth;  // °F, the table's record before it was derived from the stations
  };
  for (const Row& r : {Row{{"722195", "GA", "Atlanta"}, 64},
                       {{"725300", "IL", "Chicago"}, 51},
                       {{"726580", "MN", "Minneapolis"}, 48},
                       {{"724460", "MO", "Kansas City"}, 56},
                       {{"725240", "OH", "Cleveland"}, 52},
                       {{"724280", "OH", "Columbus"}, 54},
                       {{"722590", "TX", "Dallas"}, 67},
                       {{"722430", "TX", "Houston"}, 72},
                       {{"724390", "IL", "Springfield"}, 54},
                       {{"724400", "MO", "Springfield"}, 58},
                       {{"725180", "NY", "Albany"}, 50}}) {
    SCOPED_TRACE(r.station.name);
    EXPECT_NEAR(derive_climate(read_weather_year(dir, r.station)).earth, r.earlier_earth, 1);
  }
}

}  // namespace
}  // namespace pellavan::mkclimate
