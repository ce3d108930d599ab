#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/formula/parser.h"
#include "sheet/formula/printer.h"

namespace pellavan::sheet {
namespace {

const std::vector<std::string> kSheets = {"main", "Geo A", "Air-to-Air", "Loads"};

ParseContext context_at(CellPos origin) {
  return ParseContext{
      origin, [](std::string_view name) -> std::optional<int> {
        for (std::size_t i = 0; i < kSheets.size(); ++i) {
          if (kSheets[i].size() == name.size() &&
              std::equal(name.begin(), name.end(), kSheets[i].begin(),
                         [](char a, char b) { return std::toupper(a) == std::toupper(b); })) {
            return static_cast<int>(i);
          }
        }
        return std::nullopt;
      }};
}

std::string round_trip(std::string_view text, CellPos origin = {0, 1, 4}) {
  ParseResult r = parse_formula(text, context_at(origin));
  if (auto* e = std::get_if<ParseError>(&r)) return "error: " + e->message;
  return print_formula(std::get<Ast>(r), origin,
                       [](int s) -> std::string_view { return kSheets[s]; });
}

TEST(FormulaTextTest, PrintsBackWhatWasWritten) {
  const char* formulas[] = {
      "IF(D2=0,0,IF((($A$17/$A$18)*(C2-$A$24)+$B$14)<0,(($A$17/$A$18)*(C2-$A$24)+$B$14),0))",
      "IF(K34<3,FALSE(),IF(ABS((B12-$K$32/1000)/B12)<0.005,TRUE(),FALSE()))",
      "'Geo A'!$H$12+'Air-to-Air'!$F$48*Loads!C9",
      "SUM(K2:K31)",
      "MAX(main!BC11:BC40)",
      "IF(LEFT(J23,3)=\"Geo\",\"Geo F.T.\",\"Aux\")",
      "\"say \"\"hi\"\"\"&1.5",
      "-2^2+2^3^2-1-2-3",
      "A$1+$A1<>TRUE",
      "1E+20*0.005",
      "TEXT(12934,\"#,###\")",
      "CONCATENATE(A1,\" \",TODAY())",
  };
  for (const char* f : formulas) EXPECT_EQ(round_trip(f), f);
}

TEST(FormulaTextTest, PrintsInCanonicalSpelling) {
  EXPECT_EQ(round_trip("if( a1 = 1 , sum(b1:b3) , true )"), "IF(A1=1,SUM(B1:B3),TRUE)");
  EXPECT_EQ(round_trip("'geo a'!h12"), "'Geo A'!H12");
  EXPECT_EQ(round_trip(".5+1e3"), "0.5+1000");
}

TEST(FormulaTextTest, FilledFormulasShareOneShape) {
  auto shape_at = [](std::string_view text, CellPos origin) {
    return std::get<Ast>(parse_formula(text, context_at(origin))).shape_key();
  };
  const std::string e2 = shape_at("IF(D2=0,0,$A$17*C2)", {0, 1, 4});
  EXPECT_EQ(e2, shape_at("IF(D31=0,0,$A$17*C31)", {0, 30, 4}));
  EXPECT_EQ(e2, shape_at("IF( D9 = 0 , 0 , $A$17 * C9 )", {0, 8, 4}));  // blanks do not matter
  EXPECT_NE(e2, shape_at("IF(D2=0,0,$A$17*C2)", {0, 30, 4}));           // same text, other cell
  EXPECT_NE(e2, shape_at("IF(D2=0,0,$A$18*C2)", {0, 1, 4}));
}

TEST(FormulaTextTest, ReportsKindAndPosition) {
  struct Row {
    const char* text;
    ParseErrorKind kind;
    int position;
  };
  const Row rows[] = {
      {"", ParseErrorKind::kEmpty, 0},
      {"1+", ParseErrorKind::kUnexpectedEnd, 2},
      {"(1+2", ParseErrorKind::kMissingParen, 4},
      {"1+2)", ParseErrorKind::kUnexpectedToken, 3},
      {"1;2", ParseErrorKind::kUnexpectedCharacter, 1},
      {"FOO(1)", ParseErrorKind::kUnknownFunction, 0},
      {"total+1", ParseErrorKind::kUnknownName, 0},
      {"Nowhere!A1", ParseErrorKind::kUnknownSheet, 0},
      {"\"abc", ParseErrorKind::kUnterminatedText, 0},
      {"1E999", ParseErrorKind::kBadNumber, 0},
      {"1+IF(1)", ParseErrorKind::kArgumentCount, 2},
      {"SUM(1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31)",
       ParseErrorKind::kArgumentCount, 0},
      {"A1:A3*2", ParseErrorKind::kAreaNotAllowed, 0},
      {"ISERROR(A1:A3)", ParseErrorKind::kAreaNotAllowed, 8},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    ParseResult result = parse_formula(r.text, context_at({0, 0, 0}));
    ASSERT_TRUE(std::holds_alternative<ParseError>(result));
    EXPECT_EQ(std::get<ParseError>(result).kind, r.kind);
    EXPECT_EQ(std::get<ParseError>(result).position, r.position);
  }
}

ParseErrorKind error_of(const std::string& text) {
  ParseResult result = parse_formula(text, context_at({0, 0, 0}));
  return std::holds_alternative<ParseError>(result) ? std::get<ParseError>(result).kind
                                                    : ParseErrorKind::kEmpty;
}

// A text constant of `length` characters.
std::string quoted(std::size_t length) {
  return std::string("\"").append(length, 'x').append("\"");
}

bool parses(const std::string& text) {
  return std::holds_alternative<Ast>(parse_formula(text, context_at({0, 0, 0})));
}

TEST(FormulaTextTest, DeepOrLongInputIsAnErrorNotACrash) {
  EXPECT_EQ(error_of(std::string(10000, '(') + "1" + std::string(10000, ')')),
            ParseErrorKind::kTooLong);
  EXPECT_EQ(error_of(std::string(4000, '(') + "1" + std::string(4000, ')')),
            ParseErrorKind::kTooComplex);
  EXPECT_EQ(error_of(std::string(4000, '(')), ParseErrorKind::kTooComplex);
  EXPECT_EQ(error_of(std::string(8000, '-') + "1"), ParseErrorKind::kTooComplex);
  std::string chain = "1";
  for (int i = 0; i < 1000; ++i) chain += "+1";
  EXPECT_EQ(error_of(chain), ParseErrorKind::kTooComplex);
  std::string nested_calls;
  for (int i = 0; i < 200; ++i) nested_calls += "ABS(";
  nested_calls += "1";
  nested_calls.append(200, ')');
  EXPECT_EQ(error_of(nested_calls), ParseErrorKind::kTooComplex);
  EXPECT_EQ(error_of(quoted(256)), ParseErrorKind::kTextTooLong);

  // Within the limits, deep formulas still parse.
  EXPECT_TRUE(parses(std::string(50, '(').append("1").append(50, ')')));
  EXPECT_TRUE(parses(quoted(255)));
  std::string sum = "A1";
  for (int i = 0; i < 300; ++i) sum += "+A1";
  EXPECT_TRUE(parses(sum));
}

TEST(FormulaTextTest, ReferencesOutsideTheSheetParseAndPrint) {
  EXPECT_EQ(round_trip("A16385+IW1"), "A16385+IW1");
  EXPECT_EQ(round_trip("A0"), "#REF!");
  // A reference with a corner before the sheet prints whole as the error it gives, which reads
  // back (the printed text of MAX(BC5:B0) used not to parse).
  EXPECT_EQ(round_trip("MAX(BC5:B0)"), "MAX(#REF!)");
  EXPECT_EQ(round_trip("MAX(#REF!)"), "MAX(#REF!)");
  EXPECT_EQ(round_trip("Loads!A0+'Geo A'!$A$0"), "#REF!+#REF!");
  EXPECT_EQ(round_trip("#div/0!+#N/A&#NAME?"), "#DIV/0!+#N/A&#NAME?");
  // A relative reference printed from a cell where it falls off the top of the sheet.
  ParseResult r = parse_formula("E1+1", context_at({0, 1, 4}));
  EXPECT_EQ(print_formula(std::get<Ast>(r), {0, 0, 4},
                          [](int s) -> std::string_view { return kSheets[s]; }),
            "#REF!+1");
}

}  // namespace
}  // namespace pellavan::sheet
