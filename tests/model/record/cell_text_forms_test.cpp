// The text forms of the values the filler writes, and that each reads back through the entry
// rule as the value it came from.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "sheet/book.h"
#include "sheet/format/entry_rule.h"
#include "model/record/cell_text_forms.h"

namespace pellavan::model {
namespace {

double entered(const std::string& text) {
  const sheet::EntryValue v = sheet::apply_entry_rule(text);
  EXPECT_EQ(v.kind, sheet::EntryValue::Kind::kNumber) << "'" << text << "' is no number text";
  return v.number;
}

TEST(CellTextForms, CurrencyHasUpToFourDecimalsWithoutTrailingZeros) {
  struct Row {
    const char* name;
    std::int64_t raw;
    const char* text;
  };
  const Row rows[] = {
      {"zero", 0, "0"},
      {"price below one", 700, "0.07"},
      {"one decimal", 13000, "1.3"},
      {"whole load", 800000000, "80000"},
      {"negative below one", -5000, "-0.5"},
      {"smallest step", 1, "0.0001"},
      {"negative bin load", -65336862, "-6533.6862"},
      {"largest", std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
      {"most negative", std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808"},
  };
  for (const Row& r : rows) {
    const std::string text = currency_text(Currency::from_raw(r.raw));
    EXPECT_EQ(text, r.text) << r.name;
    if (std::llabs(r.raw) < 1'000'000'000'000'000) {
      EXPECT_DOUBLE_EQ(entered(text), Currency::from_raw(r.raw).to_double()) << r.name;
    }
  }
}

TEST(CellTextForms, IntegersArePlain) {
  EXPECT_EQ(integer_text(std::numeric_limits<model::Int16>::min()), "-32768");
  EXPECT_EQ(integer_text(std::numeric_limits<model::Int32>::max()), "2147483647");
  EXPECT_EQ(integer_text(0), "0");
}

TEST(CellTextForms, DoublesHaveFifteenSignificantDigits) {
  struct Row {
    const char* name;
    double value;
    const char* text;
  };
  const Row rows[] = {
      {"sensible ratio", 38250.0 / 45000.0, "0.85"},
      {"a third", 1.0 / 3.0, "0.333333333333333"},
      {"very small", 1e-7, "1E-07"},
      {"very large", 1.5e20, "1.5E+20"},
      {"negative", -2.5, "-2.5"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(double_text(r.value), r.text) << r.name;
    EXPECT_NEAR(entered(double_text(r.value)), r.value, std::fabs(r.value) * 1e-14) << r.name;
  }
  EXPECT_EQ(double_text(std::numeric_limits<double>::infinity()), "");
  EXPECT_EQ(double_text(std::nan("")), "");
}

TEST(CellTextForms, SinglesHaveSevenSignificantDigitsOfTheirOwnPrecision) {
  struct Row {
    const char* name;
    float value;
    const char* text;
  };
  const Row rows[] = {
      {"a tenth, not its double expansion", 0.1f, "0.1"},
      {"coefficient", 2.23f, "2.23"},
      {"capacity", 27300.0f, "27300"},
      {"a third", 1.0f / 3.0f, "0.3333333"},
      {"negative", -0.005f, "-0.005"},
      {"negative zero", -0.0f, "0"},
      {"large", 12345678.0f, "1.234568E+07"},
      {"small", 1.5e-6f, "1.5E-06"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(single_text(r.value), r.text) << r.name;
    entered(single_text(r.value));
  }
  EXPECT_EQ(single_text(std::numeric_limits<float>::quiet_NaN()), "");
}

TEST(CellTextForms, DatesAreMonthDayYear) {
  EXPECT_EQ(date_text({35215}), "5/30/1996");
  EXPECT_EQ(date_text({35215.75}), "5/30/1996");  // a time of day is dropped
  EXPECT_EQ(date_text({36527}), "1/2/2000");
  EXPECT_DOUBLE_EQ(entered(date_text({35215})), 35215);
  EXPECT_EQ(date_text({std::nan("")}), "");
  EXPECT_EQ(date_text({1e9}), "");
  // A year below 100 would come back as 19xx or 20xx through the entry rule: not written.
  EXPECT_EQ(date_text({sheet::serial_from_date({50, 1, 1})}), "");
  EXPECT_EQ(date_text({sheet::serial_from_date({100, 1, 1})}), "1/1/100");
}

TEST(CellTextForms, TextFieldsEndAtTheirFirstNulAndAreUtf8) {
  model::Text<10> field;
  EXPECT_EQ(trimmed_text(field), "") << "a field never assigned holds only NULs";
  field.assign("  Caf\xE9 ");
  EXPECT_EQ(trimmed_text(field), "Caf\xC3\xA9");
  EXPECT_EQ(stored_text(field), "  Caf\xC3\xA9    ");
  field.bytes()[4] = '\0';
  EXPECT_EQ(trimmed_text(field), "Ca");
  EXPECT_EQ(field_bytes(field), "  Ca");
}

}  // namespace
}  // namespace pellavan::model
