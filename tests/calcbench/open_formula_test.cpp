#include "calcbench/open_formula.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* name;
  const char* formula;
  const char* expected;
};

constexpr Case kCases[] = {
    {"cell", "A1+$B$2*C$3", "of:=[.A1]+[.$B$2]*[.C$3]"},
    {"block_and_separators", "SUM(A1:B2,3,Loads!C4)", "of:=SUM([.A1:.B2];3;['Loads'.C4])"},
    {"quoted_sheet_block", "MAX('Geo A'!$E$5:E9,'It''s'!A1)",
     "of:=MAX(['Geo A'.$E$5:.E9];['It''s'.A1])"},
    {"texts_untouched", "IF(A1=\"x,A1!\"\"\",TEXT(B1,\"0.0\"),\"\")",
     "of:=IF([.A1]=\"x,A1!\"\"\";TEXT([.B1];\"0.0\");\"\")"},
    {"booleans_and_errors", "IF(TRUE,#REF!,FALSE())", "of:=IF(TRUE();#REF!;FALSE())"},
    {"numbers", "1.5E+20*-0.25+.5", "of:=1.5E+20*-0.25+.5"},
    {"comparisons", "AND(A1<>B1,A1>=2)", "of:=AND([.A1]<>[.B1];[.A1]>=2)"},
};

TEST(OpenFormula, TranslatesReferencesSeparatorsAndBooleans) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(pellavan::calcbench::to_open_formula(c.formula), c.expected);
  }
}

}  // namespace
