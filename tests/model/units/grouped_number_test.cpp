#include <gtest/gtest.h>

#include "model/units/grouped_number.h"

namespace pellavan::model {
namespace {

TEST(GroupedNumberTest, GroupedTextsFollowTheirPatterns) {
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

}  // namespace
}  // namespace pellavan::model
