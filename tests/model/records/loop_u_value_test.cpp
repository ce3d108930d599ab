#include "model/records/loop_u_value.h"

#include <gtest/gtest.h>

namespace pellavan::model {
namespace {

TEST(LoopUValueTest, SoilIdIndexesTheArrayAndHybridTheSecondHalf) {
  LoopRec loop;
  for (int i = 1; i <= 30; ++i) loop.UValue(i) = Currency::from_raw(i);
  struct Row {
    const char* name;
    Int16 soil;
    Int16 hybrid;
    std::optional<std::int64_t> raw;
  };
  const Row rows[] = {
      {"first soil", 1, 0, 1},
      {"last soil", 15, 0, 15},
      {"hybrid first soil", 1, 1, 16},
      {"hybrid last soil", 15, 1, 30},
      {"soil 0", 0, 0, std::nullopt},
      {"negative soil", -3, 0, std::nullopt},
      {"hybrid soil 16", 16, 1, std::nullopt},
      {"soil 31", 31, 0, std::nullopt},
      {"hybrid flag other than 1", 2, 2, 2},
      {"large soil", 32767, 1, std::nullopt},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const auto value = loop_u_value(loop, r.soil, r.hybrid);
    ASSERT_EQ(value.has_value(), r.raw.has_value());
    if (value) {
      EXPECT_EQ(value->raw(), *r.raw);
    }
  }
}

}  // namespace
}  // namespace pellavan::model
