#include <gtest/gtest.h>

#include <limits>

#include "format_rows.h"

namespace pellavan::sheet {
namespace {

TEST(GeneralFormatTest, ElevenCharactersAtMost) {
  const double third = 1.0 / 3;
  testing::expect_rows({
      {"zero", "General", 0, "0"},
      {"one", "General", 1, "1"},
      {"negative half", "General", -0.5, "-0.5"},
      {"binary sum", "General", 0.1 + 0.2, "0.3"},
      {"third", "General", third, "0.333333333"},
      {"negative third", "General", -third, "-0.33333333"},
      {"two thirds round", "General", 2 * third, "0.666666667"},
      {"cost cell", "General", 501.42496239619027, "501.4249624"},
      {"date serial", "General", 35215, "35215"},
      {"eleven digits", "General", 12345678901.0, "12345678901"},
      {"twelve digits", "General", 123456789012.0, "1.23457E+11"},
      {"twelve digits negative", "General", -123456789012.0, "-1.2346E+11"},
      {"carry past the width", "General", 99999999999.5, "1E+11"},
      {"1E+15", "General", 1e15, "1E+15"},
      {"huge", "General", 1.5e20, "1.5E+20"},
      {"three-digit exponent", "General", 1e100, "1E+100"},
      {"small fixed", "General", 0.0001234, "0.0001234"},
      {"small with many digits", "General", 0.0000123456, "1.23456E-05"},
      {"tiny", "General", 1e-10, "1E-10"},
      {"infinity", "General", std::numeric_limits<double>::infinity(), "#NUM!"},
  });
}

}  // namespace
}  // namespace pellavan::sheet
