#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>
#include <string>

#include "model/units/number_text.h"
#include "model/units/temperature.h"

namespace pellavan::model {
namespace {

struct ValRow {
  const char* name;
  const char* text;
  double value;
};

TEST(ValTest, ReadsTheLongestLeadingNumber) {
  const double max = std::numeric_limits<double>::max();
  const ValRow rows[] = {
      {"empty", "", 0},
      {"no number", "abc", 0},
      {"whole", "12", 12},
      {"leading blanks", "   12", 12},
      {"leading tab and line feed", "\t\n7", 7},
      {"negative decimal", "-3.5", -3.5},
      {"plus sign", "+4", 4},
      {"no whole part", ".5", 0.5},
      {"trailing point", "5.", 5},
      {"second point ends it", "1.2.3", 1.2},
      {"comma ends it", "1,5", 1},
      {"unit after number", "12 ft", 12},
      {"blanks inside", "1 000", 1000},
      {"blank after sign", "- 5", -5},
      {"exponent", "1.5E3", 1500},
      {"small exponent", "1e-2", 0.01},
      {"exponent with plus", "2E+2", 200},
      {"D exponent", "2D2", 200},
      {"exponent without digits", "1e", 1},
      {"exponent sign without digits", "1e+x", 1},
      {"double sign", "--5", 0},
      {"lone sign", "-", 0},
      {"lone point", ".", 0},
      {"hex prefix not read", "&H10", 0},
      {"C hex not read", "0x10", 0},
      {"workbook text", "46798.0000", 46798},
      {"overflow", "1e400", max},
      {"negative overflow", "-1e400", -max},
      {"long mantissa overflow", "123456789e399", max},
      {"underflow", "1e-400", 0},
      {"leading zero exponent", "1e0000002", 100},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(Val(r.text), r.value);
  }
}

TEST(ValTest, DigitStringsBeyondTheDoubleRange) {
  EXPECT_EQ(Val(std::string(400, '9')), std::numeric_limits<double>::max());
  EXPECT_EQ(Val("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
  EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0.0);
}

// A box's text is read as it shows, or not at all; a comma separates thousands only where it
// can, and in a box with decimals never where it may be a decimal comma.
TEST(TypedNumberTest, ReadsTheNumberTheBoxShowsOrNothing) {
  const TypedNumber decimal{std::nullopt, Comma::Decimal};
  const TypedNumber ambiguous{std::nullopt, Comma::Ambiguous};
  const TypedNumber point{std::nullopt, Comma::AmbiguousPoint};
  const TypedNumber none{};
  struct Row {
    const char* text;
    TypedNumber whole;     // in a box of whole numbers (Btu/h)
    TypedNumber decimals;  // in a box with decimals (prices, kW)
  };
  const Row rows[] = {
      {"$1.90", {1.9}, {1.9}},
      {"45,000", {45000}, ambiguous},
      {"1,900", {1900}, ambiguous},
      {"1,234", {1234}, ambiguous},
      {"123,456", {123456}, ambiguous},
      {"1,234,567", {1234567}, {1234567}},
      {"1,234,567.5", {1234567.5}, {1234567.5}},
      {"1,234.5", {1234.5}, {1234.5}},
      {"-$5", {-5}, {-5}},
      {" 66,000 ", {66000}, ambiguous},
      {"", {0}, {0}},
      {"12", {12}, {12}},
      {".5", {0.5}, {0.5}},
      {"1 000", {1000}, {1000}},
      {"1.5E3", {1500}, {1500}},
      {"1.500", point, {1.5}},  // a point that may group thousands in a box of whole numbers
      {"-2.000", point, {-2}},
      {"$12.250", point, {12.25}},
      {"1.5", {1.5}, {1.5}},
      {"1.50", {1.5}, {1.5}},
      {"1.5000", {1.5}, {1.5}},
      {"0.500", {0.5}, {0.5}},
      {"1234.500", {1234.5}, {1234.5}},
      {"0,459", decimal, decimal},  // never thousands after a leading 0
      {"$0,459", decimal, decimal},
      {"-0,5", decimal, decimal},
      {"01,234", decimal, decimal},
      {"1,90", decimal, decimal},
      {"1,5", decimal, decimal},
      {",000", decimal, decimal},
      {"1234,567", decimal, decimal},
      {"1.234,5", decimal, decimal},  // never thousands after a point
      {"-12.345.678,9", decimal, decimal},
      {"1.2,5", none, none},  // points that group no thousands
      {"1,2,3", none, none},
      {"1,23,456", none, none},
      {"1,5.2", none, none},
      {"12 ft", none, none},
      {"1.2.3", none, none},
      {"$", none, none},
      {"abc", none, none},
      {"1e", none, none},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    for (const auto& [places, expected] :
         {std::pair{Places::Whole, r.whole}, std::pair{Places::Decimals, r.decimals}}) {
      const TypedNumber read = read_typed(r.text, places);
      EXPECT_EQ(read.value, expected.value) << (places == Places::Whole ? "whole" : "decimals");
      EXPECT_EQ(read.comma, expected.comma) << (places == Places::Whole ? "whole" : "decimals");
    }
  }
}

// The message says what to type instead of the comma.
TEST(TypedNumberTest, ACommaIsRefusedWithWhatToTypeInstead) {
  EXPECT_EQ(comma_message(" 0,459", Comma::Decimal),
            "The Comma in \"0,459\" Cannot Separate Thousands: Please Type Decimals with a "
            "Point (0.459)");
  EXPECT_EQ(comma_message("1.234,5", Comma::Decimal),
            "The Comma in \"1.234,5\" Cannot Separate Thousands: Please Type Decimals with a "
            "Point (1234.5)");
  EXPECT_EQ(comma_message("1,234 ", Comma::Ambiguous),
            "\"1,234\" Could Mean 1.234 or 1234: Please Type It with a Decimal Point or Without "
            "the Comma");
  EXPECT_EQ(comma_message(" 1.500", Comma::AmbiguousPoint),
            "\"1.500\" Could Mean 1.5 or 1500: Please Type It without the Point");
  EXPECT_EQ(comma_message("-2.000", Comma::AmbiguousPoint),
            "\"-2.000\" Could Mean -2 or -2000: Please Type It without the Point");
}

// A box left with what it showed is unchanged; a text that shows no number is always a change.
TEST(TypedNumberTest, ATextThatShowsNoNumberDiffersFromWhatWasShown) {
  struct Row {
    const char *text, *shown;
    Places places;
    bool differs;
  };
  const Row rows[] = {
      {"30000", "30000", Places::Whole, false},    {"30,000", "30000", Places::Whole, false},
      {"30,000", "30000", Places::Decimals, true}, {" 4.5", "4.5", Places::Decimals, false},
      {"30001", "30000", Places::Whole, true},     {"30000 x", "30000", Places::Whole, true},
      {"12 ft", "12", Places::Whole, true},        {"", "0", Places::Whole, false}};
  for (const Row& r : rows)
    EXPECT_EQ(differs_from_shown(r.text, r.shown, r.places), r.differs) << r.text;
}

struct FixedRow {
  const char* name;
  double value;
  int decimals;
  bool leading_zero;
  const char* text;
};

TEST(FormatFixedTest, RoundsTheDecimalFormHalfAwayFromZero) {
  const FixedRow rows[] = {
      {"one decimal", 3.5159683, 1, false, "3.5"},
      {"no leading zero", 0.25, 1, false, ".3"},
      {"leading zero", 0.25, 1, true, "0.3"},
      {"half up", 0.05, 1, false, ".1"},
      {"negative half away", -2.25, 1, true, "-2.3"},
      {"decimal tie of inexact double", 1.005, 2, true, "1.01"},
      {"rounds to zero without sign", -0.04, 1, false, ".0"},
      {"zero", 0.0, 1, true, "0.0"},
      {"carry into whole", 9.96, 1, true, "10.0"},
      {"no decimals", 2.5, 0, true, "3"},
      {"large", 123456789.25, 1, true, "123456789.3"},
      {"beyond fifteen digits", 1e20, 1, true, "100000000000000000000.0"},
      {"tiny", 1e-9, 1, true, "0.0"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(format_fixed(r.value, r.decimals, r.leading_zero), r.text);
  }
}

TEST(FormatSignificantTest, DropsTrailingZerosAndUsesExponentsForTinyValues) {
  EXPECT_EQ(format_significant(2.0 / 9.0, 15), "0.222222222222222");
  EXPECT_EQ(format_significant(0.5, 15), "0.5");
  EXPECT_EQ(format_significant(2.5e-5, 15), "2.5e-05");
}

// Sets a locale whose decimal point is ","; the build makes one under LOCPATH when it can.
class CommaLocale {
 public:
  CommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) != nullptr &&
          std::string(std::localeconv()->decimal_point) == ",") {
        active_ = true;
        return;
      }
    }
    std::setlocale(LC_ALL, "C");
  }
  ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;
  [[nodiscard]] bool active() const { return active_; }

 private:
  bool active_ = false;
};

TEST(NumberTextLocaleTest, PointIsTheDecimalSeparatorUnderACommaLocale) {
  CommaLocale locale;
  if (!locale.active()) GTEST_SKIP() << "SKIPPED: no locale with a decimal comma is available";
  EXPECT_EQ(Val("1.5"), 1.5);
  EXPECT_EQ(Val("1,5"), 1.0);
  EXPECT_EQ(format_fixed(1234.5, 1, true), "1234.5");
  EXPECT_EQ(Round_Half(2.2222222222222223), "2.5");
  EXPECT_EQ(F_To_C(36), 2.5);
}

}  // namespace
}  // namespace pellavan::model
