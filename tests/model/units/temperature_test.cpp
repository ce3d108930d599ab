#include <gtest/gtest.h>

#include <limits>

#include "model/units/temperature.h"

namespace pellavan::model {
namespace {

TEST(RoundHalfTest, RoundsToHalvesWithTheTwoNinthsCorrection) {
  struct Row {
    const char* name;
    double value;
    const char* text;
  };
  const Row rows[] = {
      {"whole", 3.0, "3.0"},
      {"near half", 1.6666666666666667, "1.5"},
      {"exact quarter goes even (down)", 1.25, "1.0"},
      {"exact quarter goes even (up)", 1.75, "2.0"},
      {"negative quarter", -1.25, "-1.0"},
      {"two ninths pushed up", 20.0 / 9.0, "2.5"},
      {"negative two ninths pushed down", -20.0 / 9.0, "-2.5"},
      {"two ninths below one", 2.0 / 9.0, "0.5"},
      {"two ninths to eight decimals", 0.22222222, "0.5"},
      {"two ninths to seven decimals only", 0.2222222, "0.0"},
      {"eleven ninths, fraction two ninths", 11.0 / 9.0, "1.5"},
      {"ten ninths", 10.0 / 9.0, "1.0"},
      {"small negative shows no sign", -0.2, "0.0"},
      {"negative near half", -0.4, "-0.5"},
      {"big", 1234.75, "1235.0"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Round_Half(r.value), r.text);
  }
}

struct ToCelsiusRow {
  const char* name;
  double fahrenheit;
  double celsius;
};

TEST(TemperatureTest, FahrenheitToCelsiusGoesToHalfDegrees) {
  const ToCelsiusRow rows[] = {
      {"freezing", 32, 0.0},          {"two ninths above", 36, 2.5},
      {"five thirds above", 35, 1.5}, {"shows 7.5", 45, 7.5},
      {"minus forty", -40, -40.0},    {"hot water", 140, 60.0},
      {"zero F", 0, -18.0},           {"below freezing, two ninths", 28, -2.5},
      {"fractional F", 68.3, 20.0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(F_To_C(r.fahrenheit), r.celsius);
    if (r.fahrenheit == static_cast<Int16>(r.fahrenheit)) {
      EXPECT_EQ(F_To_C_Int(static_cast<Int16>(r.fahrenheit)), r.celsius);
    }
  }
}

TEST(TemperatureTest, FIntDoesNotOverflowAtTheBottomOfItsRange) {
  // -32768 - 32 does not fit 16 bits; the subtraction is done wide.
  EXPECT_EQ(F_To_C_Int(std::numeric_limits<Int16>::min()), -18222.5);  // -18222.22...
}

TEST(TemperatureTest, CelsiusToFahrenheitRoundsHalvesToEven) {
  struct Row {
    const char* name;
    double celsius;
    Int32 fahrenheit;
  };
  const Row rows[] = {
      {"36.5 goes to 36", 2.5, 36},
      {"room", 20, 68},
      {"45.5 goes to 46", 7.5, 46},
      {"negative", -40, -40},
      {"-2.5 is 27.5, goes to 28", -2.5, 28},
      {"absurd entry clamps", 1e12, std::numeric_limits<Int32>::max()},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(C_To_F(r.celsius), r.fahrenheit);
  }
}

TEST(TemperatureTest, DifferencesConvertWithoutOffset) {
  EXPECT_EQ(DC_To_DF(2.5), 4);  // 4.5 goes to the even 4
  EXPECT_EQ(DC_To_DF(10), 18);
  EXPECT_EQ(DF_To_DC(4), 2.5);  // two ninths correction
  EXPECT_EQ(DF_To_DC(18), 10.0);
  EXPECT_EQ(DF_To_DC(-9), -5.0);
}

// The plain round trip loses whole degrees; TemperatureMemo exists for these values.
TEST(TemperatureTest, PlainRoundTripChangesSomeWholeDegrees) {
  std::vector<int> changed;
  for (int f = -40; f <= 140; ++f)
    if (C_To_F(F_To_C(f)) != f) changed.push_back(f);
  EXPECT_EQ(changed, (std::vector<int>{-35, -17, 1, 19, 45, 63, 81, 99, 117, 135}));
}

}  // namespace
}  // namespace pellavan::model
