// The read-out texts of the project-information window and the sensible-load entry rules.
#include <gtest/gtest.h>

#include "loads/input/load_readouts.h"
#include "loads/input/sensible_entry.h"

namespace pellavan::loads {
namespace {

TEST(LoadReadoutsTest, GroupedTextsFollowTheirPatterns) {
  struct Row {
    double value;
    int decimals;
    int min_digits;
    const char* text;
  };
  const Row rows[] = {
      {15497.91, 0, 2, "15,498"},  // "#,#00"
      {7, 0, 2, "07"},             // "00"
      {1234567.04, 1, 0, "1,234,567.0"},
      {0.5, 1, 0, ".5"},       // "#,#.0": no digit before the point
      {-14.5, 1, 2, "-14.5"},  // "00.0"
      {-0.04, 1, 0, ".0"},     // rounds to zero: no sign
  };
  for (const Row& r : rows)
    EXPECT_EQ(grouped(r.value, r.decimals, r.min_digits), r.text) << r.value;
}

TEST(LoadReadoutsTest, TheScaleIsEmptyAtTheHighFactorAndMissingWithoutASpan) {
  model::LoadCalcState loads;
  loads.CdHigh = model::Currency::from_double_saturated(0.83);
  loads.CdLow = model::Currency::from_double_saturated(0.46);
  model::CityRec city{};
  model::KwMemo kw;
  for (const auto& [factor, share] : {std::pair{0.83, 0.0}, {0.46, 1.0}, {0.7067, 0.3332}}) {
    loads.HtgCorr = model::Currency::from_double_saturated(factor);
    EXPECT_EQ(load_readouts(loads, city, {}, kw).scale, share) << factor;
  }
  loads.CdLow = loads.CdHigh;
  EXPECT_FALSE(load_readouts(loads, city, {}, kw).scale);
}

TEST(LoadReadoutsTest, SensibleAndRatioFollowEachOther) {
  const struct {
    const char* cooling;
    const char* ratio;
    const char* sensible;
  } rows[] = {{"45000", ".77", "34650"},
              {"13.2", ".77", "10.01"},  // 13 x .77
              {"12.5", ".8", "9.6"},     // halves to the even whole
              {"45000", ".7777", "34996.5"}};
  for (const auto& r : rows)
    EXPECT_EQ(sensible_from_ratio(r.cooling, r.ratio), r.sensible) << r.cooling << " " << r.ratio;
  const RatioFromSensible from_load = ratio_from_sensible("45000", "33750");
  EXPECT_EQ(from_load.ratio, ".75");
  EXPECT_FALSE(from_load.cooling);
  const RatioFromSensible empty = ratio_from_sensible("", "0.5");
  EXPECT_EQ(empty.cooling, "1");
  EXPECT_EQ(empty.ratio, ".50");
}

}  // namespace
}  // namespace pellavan::loads
