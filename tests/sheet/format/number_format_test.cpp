#include "sheet/format/number_format.h"

#include <gtest/gtest.h>

#include <limits>

#include "format_rows.h"

namespace pellavan::sheet {
namespace {

using testing::expect_rows;

TEST(NumberFormatTest, FormatsOfTheWorkbookSheets) {
  expect_rows({
      {"temperature", "0", 67.46, "67"},
      {"temperature rounds", "0", 48.54, "49"},
      {"negative whole", "0", -3.5, "-4"},
      {"one decimal", "0.0", 2.7777777, "2.8"},
      {"COP", "0.00", 3.456, "3.46"},
      {"diffusivity", "0.000", 0.0929, "0.093"},
      {"loop length", "#,##0", 1097.49, "1,097"},
      {"hours", "#,##0", 8752, "8,752"},
      {"energy", "#,##0", 101975000, "101,975,000"},
      {"zero keeps its 0", "#,##0", 0, "0"},
      {"negative grouped", "#,##0", -1234.5, "-1,235"},
      {"metric length", "#,##0.0", 1097.49, "1,097.5"},
      {"percentage", "0%", 0.85, "85%"},
      {"small percentage", "0%", 0.005, "1%"},
      {"percentage one decimal", "0.0%", 0.1234, "12.3%"},
      {"quoted dollar", "\"$\"#,##0", 2091.87, "$2,092"},
      {"bare dollar", "$#,##0", 1316.34, "$1,316"},
      {"dollar negative", "$#,##0", -20, "-$20"},
      {"dollars and cents", "$#,##0.00", 1316.345, "$1,316.35"},
      {"total positive", "\"$\"#,##0_);\\(\"$\"#,##0\\)", 2091.87, "$2,092 "},
      {"total negative", "\"$\"#,##0_);\\(\"$\"#,##0\\)", -2091.87, "($2,092)"},
      {"total zero", "\"$\"#,##0_);\\(\"$\"#,##0\\)", 0, "$0 "},
      {"red total positive", "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)", 1316.34, "$1,316 "},
      {"red total negative", "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)", -1316.34, "($1,316)", true},
      {"red parentheses", "#,##0_);[Red](#,##0)", -12345, "(12,345)", true},
      {"red parentheses positive", "#,##0_);[Red](#,##0)", 12345, "12,345 "},
      {"trailing space", "#,##0.0_)", 38250, "38,250.0 "},
      {"TEXT format", "#,###", 12934, "12,934"},
      {"TEXT format of zero", "#,###", 0, ""},
      {"TEXT format rounding to zero", "#,###", 0.4, ""},
      {"TEXT format negative", "#,###", -12934, "-12,934"},
      {"TEXT format carries", "#,###", 999.5, "1,000"},
  });
}

// The same code language serves the patterns the windows format their fields with.
TEST(NumberFormatTest, FieldPatternsOfTheWindows) {
  expect_rows({
      {"no leading zero", "#.0", 0.77, ".8"},
      {"zero without leading zero", "#.0", 0, ".0"},
      {"one decimal", "#.0", 23.45, "23.5"},
      {"ratio", "#.00", 0.77, ".77"},
      {"rate", "0.##0", 0.065, "0.065"},
      {"rate keeps three decimals", "0.##0", 1.25, "1.250"},
      {"inflation zero", "#.##0", 0, ".000"},
      {"two digits at least", "#,#00", 5, "05"},
      {"gains", "#,#00", 15620.16, "15,620"},
      {"three digits at least", "#,000", 5, "005"},
      {"minimum input", "#,000", 23456, "23,456"},
      {"whole kW", "#,#", 1172, "1,172"},
      {"whole kW zero", "#,#", 0, ""},
      {"kW one decimal", "#,#.0", 1172.4, "1,172.4"},
      {"zoom", "#00%", 0.85, "85%"},
      {"zoom large", "#00%", 2, "200%"},
      {"axis label", "#,###0", 12345, "12,345"},
      {"axis label dollars", "$#,###0", 12345, "$12,345"},
      {"revision", "00", 1, "01"},
      {"revision wide", "00", 123, "123"},
  });
}

TEST(NumberFormatTest, RoundsHalfAwayFromZero) {
  expect_rows({
      {"half", "0", 0.5, "1"},
      {"one and a half", "0", 1.5, "2"},
      {"two and a half", "0", 2.5, "3"},
      {"negative half", "0", -2.5, "-3"},
      {"quarter", "0.0", 0.25, "0.3"},
      {"binary below half", "0.0", 0.35, "0.4"},
      {"binary below 1.005", "0.00", 1.005, "1.01"},
      {"binary below 2.675", "0.00", 2.675, "2.68"},
      {"below half", "0", 0.49999, "0"},
      {"carry through nines", "0.00", 9.999, "10.00"},
  });
}

TEST(NumberFormatTest, SectionsChooseBySign) {
  expect_rows({
      {"second section drops the minus", "0;0", -5, "5"},
      {"explicit minus", "0;-0;\"zero\"", -3, "-3"},
      {"zero section", "0;-0;\"zero\"", 0, "zero"},
      {"two sections: zero uses the first", "0.0;(0.0)", 0, "0.0"},
      {"hidden negatives", "0;;", -5, ""},
      {"hidden zero", "0;;", 0, ""},
      {"negative rounding to zero keeps its section", "0.0;(0.0)", -0.04, "(0.0)"},
      {"red first section", "[Red]0", 5, "5", true},
      {"red only for negatives", "0;[Red]0", 5, "5"},
      {"red negative", "0;[Red]0", -5, "5", true},
      {"other colours are not red", "[Blue]0;[Red]-0", 1, "1"},
      {"colour by number", "[Color10]0", 1, "1"},
      {"no minus zero", "0", -0.4, "0"},
      {"no minus zero with decimals", "0.0", -0.04, "0.0"},
      {"minus once it shows", "0.0", -0.05, "-0.1"},
  });
}

TEST(NumberFormatTest, LiteralsEscapesAndLayout) {
  expect_rows({
      {"quoted unit", "0 \"ft\"", 5, "5 ft"},
      {"escaped dollar", "\\$0", 5, "$5"},
      {"space for a parenthesis", "0_)", 5, "5 "},
      {"fill is dropped", "*-0", 5, "5"},
      {"thousands", "0,", 12345, "12"},
      {"grouped thousands", "#,##0,", 1234567, "1,235"},
      {"millions", "0.0,,", 1234567, "1.2"},
      {"literal between digits", "00-00", 1234, "12-34"},
      {"digits beyond the placeholders", "0-0", 12345, "1234-5"},
      {"no integer placeholder", ".00", 1.5, "1.50"},
      {"point without decimals shown", "#.##", 1, "1."},
      {"blank for missing decimals", "0.??", 1.5, "1.5 "},
      {"blank for missing digits", "?0", 5, " 5"},
      {"multi-byte currency", "\xE2\x82\xAC#,##0", 1234,
       "\xE2\x82\xAC"
       "1,234"},
      {"percent sign literal after digits", "0.00%", 0.07, "7.00%"},
      {"literal-only section", "\"none\"", 5, "none"},
      {"huge values stay exact text", "#,##0", 1.5e20, "150,000,000,000,000,000,000"},
      {"many decimals", "0.0000000000", 0.1, "0.1000000000"},
      {"not a number", "0", std::numeric_limits<double>::quiet_NaN(), "#NUM!"},
  });
}

TEST(NumberFormatTest, TextsUnderAFormat) {
  struct Row {
    std::string_view name;
    std::string_view code;
    std::string_view text;
    std::string_view shown;
  };
  const Row rows[] = {
      {"number format keeps texts", "0.00", "Geo A", "Geo A"},
      {"date format keeps texts", "m/d/yy", "NA", "NA"},
      {"text section after numbers", "0.00;@", "abc", "abc"},
      {"fourth section", "0;-0;0;\"<\"@\">\"", "abc", "<abc>"},
      {"lone text section", "\"Note: \"@", "x", "Note: x"},
      {"empty text section", "0;-0;0;", "hidden", ""},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(NumberFormat::parse(r.code).format_text(r.text), r.shown);
  }
  // A text section is no number section: numbers show as under General.
  EXPECT_EQ(NumberFormat::parse("@").format_number(1234.5).text, "1234.5");
  EXPECT_EQ(NumberFormat::parse("0.00;@").format_number(-2).text, "-2.00");
}

TEST(NumberFormatTest, UnsupportedOrMalformedCodesShowGeneral) {
  const std::string_view codes[] = {
      "\"abc",         "0\\",       "0_",       "*",           "[Red",  "[>100]0",
      "[$-409]m/d/yy", "0.00E+00",  "h:mm",     "m/d/yy h:mm", "AM/PM", "0;0;0;0;0",
      "d 0",           "General 0", "0.0 days", "# ?/?",       "0/4",
  };
  for (const auto code : codes) {
    SCOPED_TRACE(code);
    const NumberFormat f = NumberFormat::parse(code);
    EXPECT_TRUE(f.is_general());
    EXPECT_FALSE(f.is_date());
    EXPECT_EQ(f.code(), code);
    EXPECT_EQ(f.format_number(1234.5).text, "1234.5");
    EXPECT_EQ(f.format_text("x"), "x");
  }
}

TEST(NumberFormatTest, GeneralAndItsNames) {
  EXPECT_TRUE(NumberFormat().is_general());
  EXPECT_EQ(NumberFormat().code(), "General");
  EXPECT_EQ(NumberFormat::general().code(), "General");
  EXPECT_EQ(NumberFormat::parse("").code(), "General");
  EXPECT_TRUE(NumberFormat::parse("general").is_general());
  EXPECT_FALSE(NumberFormat::parse("0").is_general());
  EXPECT_FALSE(NumberFormat::parse("[Red]General").is_general());
  EXPECT_FALSE(NumberFormat::parse("General;-General").is_general());
  expect_rows({
      {"general with literals", "General\" kW\"", 3.5, "3.5 kW"},
      {"general negative section", "General;[Red]-General", -2.5, "-2.5", true},
      {"general with own minus", "General", -2.5, "-2.5"},
  });
}

TEST(NumberFormatTest, TextFunction) {
  EXPECT_EQ(text_function(12934, "#,###"), "12,934");
  EXPECT_EQ(text_function(0, "#,###"), "");
  EXPECT_EQ(text_function(35215, "m/d/yy"), "5/30/96");
  EXPECT_EQ(text_function(1234.5, "\"unclosed"), "1234.5");
}

}  // namespace
}  // namespace pellavan::sheet
