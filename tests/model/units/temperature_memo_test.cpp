#include <gtest/gtest.h>

#include <stdexcept>

#include "model/units/temperature.h"
#include "model/units/temperature_memo.h"

namespace pellavan::model {
namespace {

TEST(TemperatureMemoTest, FortyFiveDegreesShownAndLeftAloneStaysFortyFive) {
  TemperatureMemo memo;
  const double shown = memo.show_celsius(7, 45);
  EXPECT_EQ(shown, 7.5);
  EXPECT_EQ(C_To_F(shown), 46);  // what a plain conversion would store
  EXPECT_EQ(memo.store_fahrenheit(7, shown), 45);
}

TEST(TemperatureMemoTest, EveryWholeFahrenheitSurvivesShowAndStore) {
  TemperatureMemo memo;
  for (int f = -40; f <= 140; ++f) {
    SCOPED_TRACE(f);
    const double shown = memo.show_celsius(1, f);
    EXPECT_EQ(memo.store_fahrenheit(1, shown), f);
  }
}

TEST(TemperatureMemoTest, EveryWholeDifferenceSurvivesShowAndStore) {
  TemperatureMemo memo;
  for (int d = 0; d <= 100; ++d) {
    SCOPED_TRACE(d);
    const double shown = memo.show_celsius(2, d, TemperatureKind::Difference);
    EXPECT_EQ(memo.store_fahrenheit(2, shown, TemperatureKind::Difference), d);
  }
}

TEST(TemperatureMemoTest, EntriesThatDifferAreConvertedAsTyped) {
  struct Row {
    const char* name;
    double original;
    double entry;
    double stored;
  };
  const Row rows[] = {
      {"half a degree lower", 45, 7.0, 45},  // 44.6 rounds to 45: typed, but the same °F
      {"one degree higher", 45, 8.5, 47},
      {"negative", 19, -8.0, 18},
      {"same at one decimal", 45, 7.52, 45},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    TemperatureMemo memo;
    memo.show_celsius(3, r.original);
    EXPECT_EQ(memo.store_fahrenheit(3, r.entry), r.stored);
  }
}

TEST(TemperatureMemoTest, ChangedEntryReplacesTheRememberedValue) {
  TemperatureMemo memo;
  memo.show_celsius(4, 45);
  EXPECT_EQ(memo.store_fahrenheit(4, 8.5), 47);
  EXPECT_EQ(memo.store_fahrenheit(4, 8.5), 47);
  EXPECT_EQ(memo.store_fahrenheit(4, 7.5), 46);  // 7.5 is no longer what the slot remembers
}

TEST(TemperatureMemoTest, EmptySlotOrOtherKindConvertsAsTyped) {
  TemperatureMemo memo;
  EXPECT_EQ(memo.store_fahrenheit(5, 7.5), 46);
  memo.show_celsius(6, 13, TemperatureKind::Difference);  // shows 7.5 degrees
  EXPECT_EQ(memo.store_fahrenheit(6, 7.5, TemperatureKind::Absolute), 46);
}

TEST(TemperatureMemoTest, SlotOutsideOneToHundredIsAnError) {
  TemperatureMemo memo;
  EXPECT_THROW(memo.show_celsius(0, 45), std::out_of_range);
  EXPECT_THROW(memo.store_fahrenheit(101, 7.5), std::out_of_range);
}

}  // namespace
}  // namespace pellavan::model
