#include "sheet/format/entry_rule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace pellavan::sheet {
namespace {

using Kind = EntryValue::Kind;

struct NumberRow {
  std::string_view name;
  std::string_view text;
  double number;
  bool is_date;
};

TEST(EntryRuleTest, NumberAndDateTextsBecomeNumbers) {
  const NumberRow rows[] = {
      {"whole", "46798", 46798, false},
      {"negative decimal", "-12.5", -12.5, false},
      {"ratio", "0.7066667", 0.7066667, false},
      {"leading zeros lost", "0042", 42, false},
      {"zero padded", "036", 36, false},
      {"no digit before point", ".5", 0.5, false},
      {"no digit after point", "5.", 5, false},
      {"exponent with sign", "1.5E+20", 1.5e20, false},
      {"negative exponent", "1E-07", 1e-7, false},
      {"lower-case exponent", "1e5", 1e5, false},
      {"minus zero is zero", "-0", 0, false},
      {"date four-digit year", "5/30/1996", 35215, true},
      {"date two-digit year", "5/30/96", 35215, true},
      {"date padded fields", "05/30/1996", 35215, true},
      {"two-digit year 03 is 2003", "1/2/03", 37623, true},
      {"two-digit year 29 is 2029", "1/1/29", 47119, true},
      {"two-digit year 30 is 1930", "1/1/30", 10959, true},
      {"one-digit year", "1/1/5", 38353, true},
      {"leap day", "2/29/2000", 36585, true},
      {"first year", "1/1/1900", 2, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    const EntryValue v = apply_entry_rule(r.text);
    EXPECT_EQ(v.kind, Kind::kNumber);
    EXPECT_DOUBLE_EQ(v.number, r.number);
    EXPECT_EQ(v.is_date, r.is_date);
    EXPECT_TRUE(v.text.empty());
  }
  EXPECT_FALSE(std::signbit(apply_entry_rule("-0").number));
}

TEST(EntryRuleTest, OtherTextsStayTextUnchanged) {
  const std::string_view rows[] = {
      "abc",       " 5",        "5 ",        "+5",         "1,000",    "$100",
      "1.2.3",     "-",         ".",         "1E",         "1E+",      "E5",
      "0x10",      "inf",       "nan",       "1E400",      "-1E400",   "2/30/1996",
      "2/29/1900", "13/1/1996", "0/1/1996",  "1/0/1996",   "1/1/1899", "1/1/996",
      "5/30",      "5/30/96/1", "5-30-1996", "5/30/1996 ", "TRUE",     "Geo A",
  };
  for (const auto text : rows) {
    SCOPED_TRACE(text);
    const EntryValue v = apply_entry_rule(text);
    EXPECT_EQ(v.kind, Kind::kText);
    EXPECT_EQ(v.text, text);
    EXPECT_FALSE(v.is_date);
  }
}

TEST(EntryRuleTest, EmptyTextLeavesTheCellEmpty) {
  const EntryValue v = apply_entry_rule("");
  EXPECT_EQ(v.kind, Kind::kEmpty);
  EXPECT_TRUE(v.text.empty());
}

}  // namespace
}  // namespace pellavan::sheet
