#pragma once
// Table rows shared by the number format tests: a format code, a value and what it shows.

#include <gtest/gtest.h>

#include <string_view>

#include "sheet/format/number_format.h"

namespace pellavan::sheet::testing {

struct FormatRow {
  std::string_view name;
  std::string_view code;
  double value;
  std::string_view text;
  bool red = false;
};

inline void expect_rows(std::initializer_list<FormatRow> rows) {
  for (const auto& r : rows) {
    SCOPED_TRACE(::testing::Message() << r.name << ": " << r.code << " of " << r.value);
    const NumberFormat format = NumberFormat::parse(r.code);
    const auto shown = format.format_number(r.value);
    EXPECT_EQ(shown.text, r.text);
    EXPECT_EQ(shown.red, r.red);
  }
}

}  // namespace pellavan::sheet::testing
