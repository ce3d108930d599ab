// The read-out texts of the project-information window, the sensible-load entry rules and the
// project date in the user's short date form.
#include <gtest/gtest.h>

#include <map>

#include "loads/input/load_readouts.h"
#include "loads/input/project_date.h"
#include "loads/input/sensible_entry.h"
#include "sheet/format/date_serial.h"

namespace pellavan::loads {
namespace {

TEST(LoadReadoutsTest, TheScaleIsEmptyAtTheHighFactorAndMissingWithoutASpan) {
  model::LoadCalcState loads;
  loads.CdHigh = model::Currency::from_double_saturated(0.83);
  loads.CdLow = model::Currency::from_double_saturated(0.46);
  model::CityRec city{};
  model::KwMemo kw;
  for (const auto& [factor, share] : {std::pair{0.83, 0.0}, {0.46, 1.0}, {0.7067, 0.3332}}) {
    loads.HtgCorr = model::Currency::from_double_saturated(factor);
    EXPECT_EQ(load_readouts(&loads, &city, {}, kw).scale, share) << factor;
  }
  loads.CdLow = loads.CdHigh;
  EXPECT_FALSE(load_readouts(&loads, &city, {}, kw).scale);
}

// Without a city or a calculation their read-outs show empty; the captions follow the display.
TEST(LoadReadoutsTest, WhatIsMissingShowsEmpty) {
  model::LoadCalcState loads;
  loads.CdHigh = model::Currency::from_double_saturated(0.83);
  loads.CdLow = model::Currency::from_double_saturated(0.46);
  loads.HtgCorr = loads.CdHigh;
  loads.GainsWhole = 15498;
  loads.BalPtWhole = 57;
  model::CityRec city{};
  city.WeatherData(33) = model::Currency::from_double_saturated(4950);
  city.WeatherData(31) = model::Currency::from_double_saturated(6);
  const char* city_labels[] = {"lbl97Heating",  "lbl1Cooling", "lblDegDay",
                               "lblGroundTemp", "lblAnnSwing", "lblPhase"};
  const char* result_labels[] = {"lblCdLow", "lblCdHigh", "lblCd", "lblGain", "lblBalPoint"};
  model::MetricFlags metric{};
  metric(model::kMetricDisplay) = -1;
  struct Row {
    const char* name;
    bool with_city, with_results, metric;
    const char* degree_days;  // lblDegDay
    const char* load_caption;
  };
  const Row rows[] = {
      {"both, imperial", true, true, false, "4950", "Load Btu/hr"},
      {"both, metric", true, true, true, "2,750", "Load kW"},
      {"city only", true, false, true, "2,750", "Load kW"},
      {"nothing", false, false, false, "", "Load Btu/hr"},
  };
  model::KwMemo kw;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const LoadReadouts out =
        load_readouts(r.with_results ? &loads : nullptr, r.with_city ? &city : nullptr,
                      model::UnitOptions::of(r.metric ? metric : model::MetricFlags{}), kw);
    std::map<std::string, std::string> shown(out.labels.begin(), out.labels.end());
    EXPECT_EQ(shown["lblDegDay"], r.degree_days);
    EXPECT_EQ(shown["labelLoad"], r.load_caption);
    for (const char* l : city_labels) EXPECT_EQ(shown[l].empty(), !r.with_city) << l;
    for (const char* l : result_labels) EXPECT_EQ(shown[l].empty(), !r.with_results) << l;
    EXPECT_EQ(out.scale.has_value(), r.with_results);
  }
}

TEST(LoadReadoutsTest, SensibleAndRatioFollowEachOther) {
  using model::Places;
  const struct {
    const char* cooling;
    const char* ratio;
    Places loads;
    const char* sensible;  // nullptr: the load shows no number, the sensible box stays
  } rows[] = {{"45000", ".77", Places::Whole, "34650"},
              {"45,000", ".77", Places::Whole, "34650"},
              {"13.2", ".77", Places::Decimals, "10.01"},  // 13 x .77
              {"12.5", ".8", Places::Decimals, "9.6"},     // halves to the even whole
              {"45000", ".7777", Places::Whole, "34996.5"},
              {"45.000", ".77", Places::Whole, nullptr},  // 45 or 45000
              {"13,2", ".77", Places::Decimals, nullptr}};
  for (const auto& r : rows) {
    const std::optional<std::string> sensible = sensible_from_ratio(r.cooling, r.ratio, r.loads);
    EXPECT_EQ(sensible.value_or("none"), r.sensible ? r.sensible : "none")
        << r.cooling << " " << r.ratio;
  }
  const auto from_load = ratio_from_sensible("45000", "33750", Places::Whole);
  ASSERT_TRUE(from_load);
  EXPECT_EQ(from_load->ratio, ".75");
  EXPECT_FALSE(from_load->cooling);
  const auto empty = ratio_from_sensible("", "0.5", Places::Decimals);
  ASSERT_TRUE(empty);
  EXPECT_EQ(empty->cooling, "1");
  EXPECT_EQ(empty->ratio, ".50");
  EXPECT_FALSE(ratio_from_sensible("45.000", "33750", Places::Whole));
  EXPECT_FALSE(ratio_from_sensible("45000", "33.750", Places::Whole));
}

// A date is read in the order of the locale's short form (or ISO), with two-digit years in
// 1990 to 2099, and written in that form with four digits; a project date lies in those years.
TEST(ProjectDateTest, ReadAndWrittenInTheShortFormOfTheLocale) {
  constexpr const char* us = "M/d/yy";
  constexpr const char* gb = "dd/MM/yyyy";
  constexpr const char* de = "dd.MM.yy";
  constexpr const char* ca = "yyyy-MM-dd";  // fr_CA
  constexpr const char* c_locale = "d MMM yyyy";
  constexpr const char* bg = "d.MM.yy 'г'.";
  struct Row {
    const char* pattern;
    const char* typed;
    std::optional<sheet::CivilDate> date;
    const char* shown;  // when read
  };
  const Row rows[] = {
      {us, "3/5/2026", sheet::CivilDate{2026, 3, 5}, "3/5/2026"},
      {us, "3/5/26", sheet::CivilDate{2026, 3, 5}, "3/5/2026"},
      {us, "12/31/99", sheet::CivilDate{1999, 12, 31}, "12/31/1999"},
      {us, "1/1/89", sheet::CivilDate{2089, 1, 1}, "1/1/2089"},
      {us, " 2026-03-05 ", sheet::CivilDate{2026, 3, 5}, "3/5/2026"},
      {us, "25/12/2026", std::nullopt, ""},
      {us, "13/45/2020", std::nullopt, ""},
      {us, "3/1", std::nullopt, ""},
      {us, "3/5/026", std::nullopt, ""},
      {us, "March 5, 2026", std::nullopt, ""},
      {us, "2/29/2027", std::nullopt, ""},
      {gb, "25/12/2026", sheet::CivilDate{2026, 12, 25}, "25/12/2026"},
      {gb, "5/3/26", sheet::CivilDate{2026, 3, 5}, "05/03/2026"},
      {gb, "2026-03-05", sheet::CivilDate{2026, 3, 5}, "05/03/2026"},
      {gb, "12/25/2026", std::nullopt, ""},
      {de, "25.12.26", sheet::CivilDate{2026, 12, 25}, "25.12.2026"},
      {de, "5.3.2026", sheet::CivilDate{2026, 3, 5}, "05.03.2026"},
      {ca, "2026-12-25", sheet::CivilDate{2026, 12, 25}, "2026-12-25"},
      {ca, "26-12-25", sheet::CivilDate{2026, 12, 25}, "2026-12-25"},
      {c_locale, "3/5/2026", sheet::CivilDate{2026, 3, 5}, "3/5/2026"},  // names: M/d/yyyy
      {bg, "5.03.26 г.", sheet::CivilDate{2026, 3, 5}, "5.03.2026 г."},
      {us, "1/1/2100", sheet::CivilDate{2100, 1, 1}, "1/1/2100"},  // a date, outside the window
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.pattern) + ": " + r.typed);
    const std::optional<int> serial = typed_date(r.typed, r.pattern);
    ASSERT_EQ(serial.has_value(), r.date.has_value());
    if (!serial) continue;
    EXPECT_EQ(*serial, sheet::serial_from_date(*r.date));
    EXPECT_EQ(date_shown(*serial, r.pattern), r.shown);
  }
  for (const auto& [date, in_window] : {std::pair{sheet::CivilDate{1989, 12, 31}, false},
                                        std::pair{sheet::CivilDate{1990, 1, 1}, true},
                                        std::pair{sheet::CivilDate{2099, 12, 31}, true},
                                        std::pair{sheet::CivilDate{2100, 1, 1}, false}})
    EXPECT_EQ(in_date_window(sheet::serial_from_date(date)), in_window) << date.year;
  EXPECT_EQ(date_shown(46086.75, gb), "05/03/2026") << "a time of day is dropped";
  EXPECT_EQ(date_shown(1e12, us), "");
}

}  // namespace
}  // namespace pellavan::loads
