#include <gtest/gtest.h>

#include <functional>

#include "sheet/book.h"
#include "sheet/book_code.h"
#include "sheet/book_control.h"
#include "sheet/errors.h"

namespace pellavan::sheet {
namespace {

class BookTest : public ::testing::Test {
 protected:
  BookTest() { book.add_sheet("main"); }
  static CellPos at(const char* a1) { return *parse_a1(a1); }
  Book book;
};

// A shape is named by the first cell that has it, as generated code heads its function.
TEST_F(BookTest, AShapeIsNamedByItsFirstCell) {
  book.set_cell_formula(at("B3"), "A3*2");
  book.set_cell_formula(at("B4"), "A4*2");
  ASSERT_EQ(book.shape_count(), 1u);
  EXPECT_EQ(shape_origin(book, 0), "main!B3: =A3*2");
  book.clear_cell(at("B3"));
  EXPECT_EQ(shape_origin(book, 0), "main!B4: =A4*2");
}

TEST_F(BookTest, CellTextGivesEachKindOfValue) {
  struct Row {
    const char* name;
    const char* formula;  // nullptr: the text is written with set_cell_text
    const char* written;
    const char* text;
  };
  const Row rows[] = {
      {"number", nullptr, "501.42496239619027", "501.42496239619"},
      {"negative", nullptr, "-0.5", "-0.5"},
      {"leading zeros", nullptr, "0042", "42"},
      {"date", nullptr, "5/30/1996", "35215"},
      {"text", nullptr, "city, state", "city, state"},
      {"empty", nullptr, "", ""},
      {"true", "1=1", nullptr, "TRUE"},
      {"false", "1=2", nullptr, "FALSE"},
      {"div0", "1/0", nullptr, "#DIV/0!"},
      {"value", "\"a\"+1", nullptr, "#VALUE!"},
      {"num", "SQRT(-1)", nullptr, "#NUM!"},
      {"ref", "IW1", nullptr, "#REF!"},
      {"sum", "0.1+0.2", nullptr, "0.3"},
      {"pi", "PI()", nullptr, "3.14159265358979"},
      {"empty reference", "Z99", nullptr, "0"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.formula) {
      book.set_cell_formula(at("A1"), r.formula);
      book.recalc();
    } else {
      book.set_cell_text(at("A1"), r.written);
    }
    EXPECT_EQ(book.cell_text(at("A1")), r.text);
  }
}

TEST_F(BookTest, DisplayFormatDoesNotChangeCellText) {
  Style money;
  money.format = NumberFormat::parse("$#,##0");
  book.set_cell_style(at("N23"), book.styles().intern(money));
  book.set_cell_text(at("N23"), "501.42496239619027");
  EXPECT_EQ(book.cell_text(at("N23")), "501.42496239619");
}

TEST_F(BookTest, EnteringAFormulaResetsTheValue) {
  book.set_cell_formula(at("K34"), "K34+1");
  book.recalc();
  book.recalc();
  EXPECT_EQ(book.cell_text(at("K34")), "2");
  book.set_cell_formula(at("K34"), "K34+1");
  EXPECT_EQ(book.cell_kind(at("K34")), CellKind::kFormula);
  EXPECT_EQ(book.cell_text(at("K34")), "");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("K34")), "1");
}

TEST_F(BookTest, RefusedFormulaNamesCellAndPositionAndChangesNothing) {
  book.set_cell_formula(at("B2"), "1+1");
  book.recalc();
  try {
    book.set_cell_formula(at("B2"), "IF(A1,2");
    FAIL() << "accepted";
  } catch (const FormulaRejected& e) {
    EXPECT_EQ(e.cell(), "main!B2");
    EXPECT_EQ(e.position(), 7);
    EXPECT_NE(std::string(e.what()).find("main!B2"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("position 8"), std::string::npos);
  }
  EXPECT_EQ(book.cell_formula(at("B2")), "1+1");
  EXPECT_EQ(book.cell_text(at("B2")), "2");
}

TEST_F(BookTest, WritingTextReplacesAFormulaAndKeepsTheStyle) {
  Style bold;
  bold.font.bold = true;
  const StyleId id = book.styles().intern(bold);
  book.set_cell_style(at("I30"), id);
  book.set_cell_formula(at("I30"), "1+1");
  book.set_cell_formula(at("I31"), "I30*2");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("I31")), "4");
  book.set_cell_text(at("I30"), "10");
  EXPECT_EQ(book.cell_kind(at("I30")), CellKind::kConstant);
  EXPECT_EQ(book.cell_formula(at("I30")), std::nullopt);
  EXPECT_EQ(book.cell_style(at("I30")), id);
  book.recalc();
  EXPECT_EQ(book.cell_text(at("I31")), "20");
  book.set_cell_text(at("I30"), "");
  EXPECT_EQ(book.cell_kind(at("I30")), CellKind::kEmpty);
  EXPECT_EQ(book.cell_style(at("I30")), id);
}

TEST_F(BookTest, DateTextGivesAGeneralCellTheShortDateFormat) {
  book.set_cell_text(at("A17"), "5/30/1996");
  EXPECT_EQ(book.style_of(at("A17")).format.code(), "m/d/yy");
  Style fixed;
  fixed.format = NumberFormat::parse("0.00");
  book.set_cell_style(at("A18"), book.styles().intern(fixed));
  book.set_cell_text(at("A18"), "5/30/1996");
  EXPECT_EQ(book.style_of(at("A18")).format.code(), "0.00");
  book.set_cell_text(at("A19"), "35215");
  EXPECT_TRUE(book.style_of(at("A19")).format.is_general());
}

TEST_F(BookTest, MisuseThrowsBadCall) {
  EXPECT_THROW(book.cell_text(CellPos{1, 0, 0}), BadCall);
  EXPECT_THROW(book.set_cell_text(CellPos{0, kMaxRows, 0}, "1"), BadCall);
  EXPECT_THROW(book.set_cell_text(CellPos{0, 0, -1}, "1"), BadCall);
  EXPECT_THROW(book.add_sheet("MAIN"), BadCall);
  EXPECT_THROW(book.add_sheet(""), BadCall);
  EXPECT_THROW(book.set_cached_value(at("C3"), Value::number(1)), BadCall);
  BookControl control(book);
  EXPECT_THROW(control.set_active_sheet(2), BadCall);
  EXPECT_THROW(control.set_cell_text(0, 1, "x"), BadCall);
  EXPECT_THROW(control.cell_text(1, kMaxCols + 1), BadCall);
}

TEST_F(BookTest, ControlCallsCountFromOne) {
  book.add_sheet("Loads");
  BookControl control(book);
  control.set_active_sheet(2);
  control.set_cell_text(38, 2, "1");
  control.set_active_sheet(1);
  control.set_cell_formula(22, 19, "IF(Loads!$B$38=1,\"kBtuh\",\"kW\")");
  control.recalc();
  EXPECT_EQ(control.cell_text(22, 19), "kBtuh");
  EXPECT_EQ(book.cell_text(CellPos{1, 37, 1}), "1");
  EXPECT_EQ(control.active_sheet(), 1);
}

TEST_F(BookTest, SheetsAreFoundIgnoringCase) {
  book.add_sheet("Geo A");
  EXPECT_EQ(book.find_sheet("GEO a"), 1);
  EXPECT_EQ(book.find_sheet("Geo"), std::nullopt);
  book.set_cell_formula(at("A1"), "'geo A'!B2");
  EXPECT_EQ(book.cell_formula(at("A1")), "'Geo A'!B2");
}

TEST_F(BookTest, LongTextsAreKeptAndRunawayTextsStop) {
  const std::string long_text(1 << 20, 'x');
  book.set_cell_text(at("A1"), long_text);
  EXPECT_EQ(book.cell_text(at("A1")), long_text);
  // A text that doubles at every pass: stopped at the longest text a cell holds.
  book.settings().max_passes = 400;
  book.set_cell_formula(at("B1"), "B2&B2&\"x\"");
  book.set_cell_formula(at("B2"), "B1");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("B1")), "#VALUE!");
  EXPECT_TRUE(book.last_recalc().converged);
  book.set_cell_formula(at("C1"), "LEFT(A1,3)&CONCATENATE(A1,A1)");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("C1")), "#VALUE!");
}

TEST_F(BookTest, CellsBeyondTheTemplateGrowTheSheet) {
  book.set_cell_text(at("A1"), "1");
  book.set_cell_formula(at("B1"), "A1+IV16384");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("B1")), "1");
  book.set_cell_text(at("IV16384"), "5");  // moves every cell: references must follow
  book.recalc();
  EXPECT_EQ(book.cell_text(at("B1")), "6");
  const auto used = book.used_range(0);
  ASSERT_TRUE(used);
  EXPECT_EQ(format_a1_range(*used), "A1:IV16384");
}

TEST_F(BookTest, ACopyIsIndependent) {
  book.set_cell_text(at("A1"), "2");
  book.set_cell_formula(at("A2"), "A1*\"3\"&\"x\"");
  Book copy = book;
  copy.set_cell_text(at("A1"), "5");
  copy.recalc();
  book.recalc();
  EXPECT_EQ(book.cell_text(at("A2")), "6x");
  EXPECT_EQ(copy.cell_text(at("A2")), "15x");
}

TEST_F(BookTest, FilledFormulasShareTheirCompiledForm) {
  for (int r = 1; r <= 30; ++r) {
    const std::string row = std::to_string(r + 1);
    book.set_cell_formula(CellPos{0, r, 4}, "IF(D" + row + "=0,0,$A$17*C" + row + ")");
  }
  EXPECT_EQ(book.shape_count(), 1u);
  EXPECT_EQ(book.formula_count(), 30u);
}

TEST_F(BookTest, GenerationMovesWithEveryChangeAViewShows) {
  struct Row {
    const char* name;
    std::function<void(Book&)> change;
  };
  const Row rows[] = {
      {"text", [](Book& b) { b.set_cell_text(at("A1"), "5"); }},
      {"formula", [](Book& b) { b.set_cell_formula(at("A2"), "A1*2"); }},
      {"recalc", [](Book& b) { b.recalc(); }},
      {"style",
       [](Book& b) {
         Style one_decimal;
         one_decimal.format = NumberFormat::parse("0.0");
         b.set_cell_style(at("A1"), b.styles().intern(one_decimal));
       }},
      {"cleared", [](Book& b) { b.clear_cell(at("A1")); }},
      {"touched", [](Book& b) { b.touch(); }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::uint64_t before = book.generation();
    r.change(book);
    EXPECT_GT(book.generation(), before);
  }
  const std::uint64_t settled = book.generation();
  (void)book.cell_text(at("A2"));
  book.clear_cell(at("Z100"));  // nothing there to clear
  EXPECT_EQ(book.generation(), settled);
}

// A return to the marked state brings back every cell as it was: value, formula and style,
// however it was changed since, and the next recalculation computes from there.
TEST_F(BookTest, AReturnToTheMarkBringsBackEveryCell) {
  struct Row {
    const char* name;
    std::function<void(Book&)> change;
  };
  const StyleId money = [&] {
    Style s;
    s.format = NumberFormat::parse("$#,##0.00");
    return book.styles().intern(s);
  }();
  const Row rows[] = {
      {"a number written", [](Book& b) { b.set_cell_text(at("A1"), "7"); }},
      {"a formula overwritten", [](Book& b) { b.set_cell_text(at("B1"), "5"); }},
      {"a formula cleared", [](Book& b) { b.clear_cell(at("C1")); }},
      {"a style set", [&](Book& b) { b.set_cell_style(at("A1"), money); }},
      {"a date into a General cell", [](Book& b) { b.set_cell_text(at("A2"), "5/30/1996"); }},
      {"a new formula", [](Book& b) { b.set_cell_formula(at("D1"), "A1*3"); }},
      {"many styles",
       [&](Book& b) {
         for (int r = 0; r < 40; ++r)
           for (int c = 0; c < 8; ++c) b.set_cell_style(CellPos{0, r, c}, money);
       }},
  };
  book.set_cell_text(at("H40"), "end");  // the grid spans every cell the rows change
  book.set_cell_text(at("A1"), "2");
  book.set_cell_formula(at("B1"), "A1+1");
  book.set_cell_formula(at("C1"), "B1*A1");
  book.recalc();
  book.mark_state();
  const auto snapshot = [](const Book& b) {
    std::string s;
    for (int r = 0; r < 40; ++r)
      for (int c = 0; c < 8; ++c) {
        const CellPos p{0, r, c};
        s += b.cell_text(p) + "|" + b.cell_formula(p).value_or("") + "|" +
             std::to_string(b.cell_style(p)) + ";";
      }
    return s;
  };
  const std::string marked = snapshot(book);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    row.change(book);
    book.recalc();
    book.return_to_mark();
    EXPECT_EQ(snapshot(book), marked);
    book.set_cell_text(at("A1"), "4");
    book.recalc();
    EXPECT_EQ(book.cell_text(at("C1")), "20");
    book.return_to_mark();
  }
}

}  // namespace
}  // namespace pellavan::sheet
