#include <gtest/gtest.h>

#include "sheet_view/cell_display.h"

namespace pellavan::sheet::view {
namespace {

struct DisplayRow {
  const char* name;
  const char* entry;   // written with set_cell_text, or a formula when it starts with "="
  const char* format;  // display format code
  HAlign horizontal;   // the cell's alignment
  const char* shown;
  HAlign align;  // where it shows
  bool red;
  ShownKind kind;
};

TEST(CellDisplay, ValuesShowInTheirFormatsOnTheirSide) {
  const DisplayRow rows[] = {
      {"grouped", "12934.4", "#,##0", HAlign::kGeneral, "12,934", HAlign::kRight, false,
       ShownKind::kNumber},
      {"red negative", "-502.3", "#,##0;[Red]-#,##0", HAlign::kGeneral, "-502", HAlign::kRight,
       true, ShownKind::kNumber},
      {"positive of a red format", "502", "#,##0;[Red]-#,##0", HAlign::kGeneral, "502",
       HAlign::kRight, false, ShownKind::kNumber},
      {"currency", "501.42496239619027", "$#,##0", HAlign::kGeneral, "$501", HAlign::kRight, false,
       ShownKind::kNumber},
      {"percent", "0.705", "0%", HAlign::kGeneral, "71%", HAlign::kRight, false,
       ShownKind::kNumber},
      {"short date", "5/30/1996", "m/d/yy", HAlign::kGeneral, "5/30/96", HAlign::kRight, false,
       ShownKind::kNumber},
      {"general", "0.70666666667", "General", HAlign::kGeneral, "0.706666667", HAlign::kRight,
       false, ShownKind::kNumber},
      {"number put left", "12", "0.0", HAlign::kLeft, "12.0", HAlign::kLeft, false,
       ShownKind::kNumber},
      {"text", "St. Louis", "General", HAlign::kGeneral, "St. Louis", HAlign::kLeft, false,
       ShownKind::kText},
      {"text put right", "kBtuh", "General", HAlign::kRight, "kBtuh", HAlign::kRight, false,
       ShownKind::kText},
      {"text centred", "Geo A", "#,##0", HAlign::kCenter, "Geo A", HAlign::kCenter, false,
       ShownKind::kText},
      {"boolean", "=1<2", "General", HAlign::kGeneral, "TRUE", HAlign::kCenter, false,
       ShownKind::kOther},
      {"error", "=1/0", "0.00", HAlign::kGeneral, "#DIV/0!", HAlign::kCenter, false,
       ShownKind::kOther},
      {"empty", "", "0.00", HAlign::kGeneral, "", HAlign::kLeft, false, ShownKind::kNothing},
  };
  for (const DisplayRow& r : rows) {
    SCOPED_TRACE(r.name);
    Book book;
    book.add_sheet("main");
    const CellPos a1{0, 0, 0};
    Style style;
    style.format = NumberFormat::parse(r.format);
    style.horizontal = r.horizontal;
    book.set_cell_style(a1, book.styles().intern(style));
    if (r.entry[0] == '=') {
      book.set_cell_formula(a1, r.entry + 1);
      book.recalc();
    } else {
      book.set_cell_text(a1, r.entry);
    }
    const CellDisplay shown = display_of(book, a1);
    EXPECT_EQ(shown.text, r.shown);
    EXPECT_EQ(shown.align, r.align);
    EXPECT_EQ(shown.red, r.red);
    EXPECT_EQ(shown.kind, r.kind);
  }
}

TEST(CellDisplay, GeneralNumbersShortenToTheirColumn) {
  struct Row {
    const char* name;
    double value;
    int chars;
    const char* shown;
  };
  const Row rows[] = {
      {"fits whole", 57.31, 11, "57.31"},
      {"fewer decimals", 0.70666666667, 5, "0.707"},
      {"negative keeps its sign", -0.70666666667, 5, "-0.71"},
      {"exponent form", 123456789012.0, 8, "1.23E+11"},
      {"nothing fits", 123456.0, 3, ""},
      {"no room at all", 1.0, 0, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(general_in_width(r.value, r.chars), r.shown);
  }
}

TEST(CellDisplay, AFormulaRepeatingAnEmptyCellShowsEmpty) {
  struct Row {
    const char* name;
    const char* source;   // Data!A1, written with set_cell_text
    const char* formula;  // in main!A1
    const char* format;
    const char* shown;
  };
  const Row rows[] = {
      {"empty text field", "", "Data!A1", "General", ""},
      {"empty date", "", "Data!A1", "m/d/yyyy", ""},
      {"in brackets", "", "(Data!A1)", "General", ""},
      {"through another repeat", "", "B1", "General", ""},
      {"a typed 0 stays", "0", "Data!A1", "General", "0"},
      {"a computed 0 stays", "", "Data!A1+0", "General", "0"},
      {"a date stays", "5/30/1996", "Data!A1", "m/d/yyyy", "5/30/1996"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    Book book;
    book.add_sheet("main");
    book.add_sheet("Data");
    const CellPos a1{0, 0, 0};
    Style style;
    style.format = NumberFormat::parse(r.format);
    book.set_cell_style(a1, book.styles().intern(style));
    book.set_cell_text({1, 0, 0}, r.source);
    book.set_cell_formula({0, 0, 1}, "Data!A1");
    book.set_cell_formula(a1, r.formula);
    book.recalc();
    EXPECT_EQ(display_of(book, a1).text, r.shown);
  }
}

// A title that gives 0 for no text, in a format that shows 0 as nothing, and a copy of it.
TEST(CellDisplay, ACopyOfATitleShowsWhatTheTitleShows) {
  for (const char* text : {"", "JN Varistep"}) {
    Book book;
    book.add_sheet("main");
    book.add_sheet("Data");
    Style hiding;
    hiding.format = NumberFormat::parse("General;-General;;@");
    book.set_cell_style({1, 1, 0}, book.styles().intern(hiding));
    book.set_cell_text({1, 0, 0}, text);
    book.set_cell_formula({1, 1, 0}, "IF(A1=\"\",0,A1)");
    book.set_cell_formula({0, 0, 0}, "Data!A2");
    book.recalc();
    EXPECT_EQ(display_of(book, {1, 1, 0}).text, text);
    EXPECT_EQ(display_of(book, {0, 0, 0}).text, text);
  }
}

}  // namespace
}  // namespace pellavan::sheet::view
