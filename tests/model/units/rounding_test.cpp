#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "model/units/rounding.h"

namespace pellavan::model {
namespace {

struct RoundRow {
  const char* name;
  double value;
  double rounded;
};

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbour) {
  const RoundRow rows[] = {
      {"two and a half", 2.5, 2.0},
      {"three and a half", 3.5, 4.0},
      {"minus two and a half", -2.5, -2.0},
      {"minus three and a half", -3.5, -4.0},
      {"half", 0.5, 0.0},
      {"minus half", -0.5, -0.0},
      {"below half", 2.4999999, 2.0},
      {"above half", 2.5000001, 3.0},
      {"negative above half", -2.6, -3.0},
      {"whole", 7.0, 7.0},
      {"large odd plus half", 4503599627370495.5, 4503599627370496.0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(round_half_even(r.value), r.rounded);
  }
}

TEST(RoundHalfEvenTest, IgnoresTheRoundingMode) {
  const int saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  const double down = round_half_even(2.5);
  const double up = round_half_even(-3.5);
  std::fesetround(saved);
  EXPECT_EQ(down, 2.0);
  EXPECT_EQ(up, -4.0);
}

TEST(RoundToInt32Test, ClampsWhatDoesNotFit) {
  struct Row {
    const char* name;
    double value;
    Int32 rounded;
  };
  const Row rows[] = {
      {"tie to even", 36.5, 36},
      {"negative tie to even", -36.5, -36},
      {"too large", 1e12, std::numeric_limits<Int32>::max()},
      {"too small", -1e12, std::numeric_limits<Int32>::min()},
      {"infinite", std::numeric_limits<double>::infinity(), std::numeric_limits<Int32>::max()},
      {"not a number", std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(round_to_int32(r.value), r.rounded);
  }
}

TEST(MaxIntTest, GivesTheLarger) {
  EXPECT_EQ(Max_Int(72, 68), 72);
  EXPECT_EQ(Max_Int(70, 75), 75);
  EXPECT_EQ(Max_Int(-5, -5), -5);
}

}  // namespace
}  // namespace pellavan::model
