#include "sheet/format/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string_view>

#include "sheet/format/entry_rule.h"

namespace pellavan::sheet {
namespace {

struct Row {
  std::string_view name;
  double value;
  std::string_view text;
};

TEST(PlainNumberTextTest, FifteenSignificantDigitsWithoutDecoration) {
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {"cost cell", 501.42496239619027, "501.42496239619"},
      {"one", 1, "1"},
      {"negative half", -0.5, "-0.5"},
      {"binary sum", 0.1 + 0.2, "0.3"},
      {"minus zero", -0.0, "0"},
      {"zero", 0, "0"},
      {"large whole, no group separator", 1234567.0, "1234567"},
      {"fifteen digits", 123456789012345.0, "123456789012345"},
      {"sixteen digits round", 1234567890123456.0, "1.23456789012346E+15"},
      {"1E+15 switches to exponent", 1e15, "1E+15"},
      {"huge", 1.5e20, "1.5E+20"},
      {"three-digit exponent", -2.5e-300, "-2.5E-300"},
      {"smallest fixed", 0.0001, "0.0001"},
      {"tiny", 1e-7, "1E-07"},
      {"tiny with digits", 0.00001234, "1.234E-05"},
      {"third", 1.0 / 3, "0.333333333333333"},
      {"rounds up at digit 15", 0.99999999999999999, "1"},
      {"infinity", inf, "#NUM!"},
      {"negative infinity", -inf, "#NUM!"},
      {"nan", std::numeric_limits<double>::quiet_NaN(), "#NUM!"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(plain_number_text(r.value), r.text);
  }
}

// Every text the engine hands back reads as the same number (to 15 digits) when written again.
TEST(PlainNumberTextTest, EntryRuleReadsTheTextBack) {
  std::mt19937_64 rng(7);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 300);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(rng) * std::pow(10.0, exponent(rng));
    const std::string text = plain_number_text(value);
    SCOPED_TRACE(text);
    const EntryValue back = apply_entry_rule(text);
    ASSERT_EQ(back.kind, EntryValue::Kind::kNumber);
    EXPECT_LE(std::fabs(back.number - value), std::fabs(value) * 1e-14);
  }
}

}  // namespace
}  // namespace pellavan::sheet
