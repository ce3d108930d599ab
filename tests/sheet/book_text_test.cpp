#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet/book_text.h"
#include "sheet/errors.h"

namespace pellavan::sheet {
namespace {

const char* const kBook = "passes 25\nlimit 1.0\nsheet 1 \"main\" main.sheet\n";

Book load(std::string book_text, std::string sheet_text, std::string values_text = "") {
  const std::vector<EmbeddedFile> files = {
      {"book.txt", book_text}, {"main.sheet", sheet_text}, {"main.values", values_text}};
  return load_book(files, "book.txt");
}

// The message of the BookFileError that loading gives, or "" when it loads.
std::string load_error(std::string book_text, std::string sheet_text,
                       std::string values_text = "") {
  try {
    load(std::move(book_text), std::move(sheet_text), std::move(values_text));
  } catch (const BookFileError& e) {
    return e.what();
  }
  return "";
}

CellPos at(const char* a1) { return *parse_a1(a1); }

TEST(BookTextTest, ReadsCellsRangesAndSettings) {
  Book book = load(kBook,
                   "# a comment\n"
                   "A2 \"city, state\"   # and a trailing one\n"
                   "B3 6\n"
                   "C2:C4 112 107 102\n"
                   "A28:A31 3\n"
                   "B4 TRUE\n"
                   "B5 #DIV/0!\n"
                   "B6 \"say \"\"hi\"\"\"\n"
                   "E2:E4 =IF(C2>110,\"#\",C2*$B$3)  # the formula ends before this comment\n");
  book.recalc();
  EXPECT_EQ(book.settings().max_passes, 25);
  EXPECT_EQ(book.settings().change_limit, 1.0);
  EXPECT_EQ(book.sheet(0).name(), "main");
  EXPECT_EQ(book.cell_text(at("A2")), "city, state");
  EXPECT_EQ(book.cell_text(at("C3")), "107");
  EXPECT_EQ(book.cell_text(at("A30")), "3");
  EXPECT_EQ(book.cell_text(at("B4")), "TRUE");
  EXPECT_EQ(book.cell_text(at("B5")), "#DIV/0!");
  EXPECT_EQ(book.cell_text(at("B6")), "say \"hi\"");
  EXPECT_EQ(book.cell_formula(at("E3")), "IF(C3>110,\"#\",C3*$B$3)");
  EXPECT_EQ(book.cell_text(at("E2")), "#");
  EXPECT_EQ(book.cell_text(at("E4")), "612");
}

TEST(BookTextTest, ReadsLooksAndPrinting) {
  Book book = load(kBook,
                   "C11:C12 1 2\n"
                   "format C11:C40 \"#,##0\"\n"
                   "font A1:B1 bold italic size 12 name \"Times\" colour FF0000\n"
                   "align A1 center top wrap\n"
                   "border A1:B2 box medium\n"
                   "fill B2 FFFF99\n"
                   "width A:C 10\n"
                   "width default 9\n"
                   "height 2 15\n"
                   "hide columns D:E\n"
                   "hide rows 40\n"
                   "printarea B1:O48\n"
                   "page landscape margins 0.5 0.5 0.75 0.75 fit 1 1 blackwhite centered\n");
  const Style& c11 = book.style_of(at("C11"));
  EXPECT_EQ(c11.format.code(), "#,##0");
  EXPECT_EQ(book.style_of(at("C40")).format.code(), "#,##0");
  const Style& a1 = book.style_of(at("A1"));
  EXPECT_TRUE(a1.font.bold && a1.font.italic);
  EXPECT_EQ(a1.font.size, 12);
  EXPECT_EQ(a1.font.name, "Times");
  EXPECT_EQ(a1.font.colour.rgb, 0xFF0000u);
  EXPECT_EQ(a1.horizontal, HAlign::kCenter);
  EXPECT_EQ(a1.vertical, VAlign::kTop);
  EXPECT_TRUE(a1.wrap);
  EXPECT_EQ(a1.border(Side::kLeft).line, BorderLine::kMedium);
  EXPECT_EQ(a1.border(Side::kTop).line, BorderLine::kMedium);
  EXPECT_EQ(a1.border(Side::kRight).line, BorderLine::kNone);  // inside the box
  EXPECT_EQ(book.style_of(at("B2")).border(Side::kBottom).line, BorderLine::kMedium);
  EXPECT_EQ(book.style_of(at("B2")).fill, (Colour{0xFFFF99}));
  const Sheet& s = book.sheet(0);
  EXPECT_EQ(s.column_width(2), 10);
  EXPECT_EQ(s.column_width(3), 9);
  EXPECT_EQ(s.row_height(1), 15);
  EXPECT_EQ(s.row_height(0), 12.75);
  EXPECT_TRUE(s.column_hidden(3) && s.column_hidden(4) && !s.column_hidden(5));
  EXPECT_TRUE(s.row_hidden(39));
  ASSERT_TRUE(s.print_area());
  EXPECT_EQ(format_a1_range(*s.print_area()), "B1:O48");
  EXPECT_TRUE(s.page_setup().landscape);
  EXPECT_EQ(s.page_setup().margin_top, 0.75);
  EXPECT_EQ(s.page_setup().fit_pages_wide, 1);
  EXPECT_TRUE(s.page_setup().black_and_white);
  EXPECT_TRUE(s.page_setup().center_horizontally);
}

TEST(BookTextTest, FaultsNameFileAndLine) {
  struct Row {
    const char* name;
    std::string book;
    std::string sheet;
    std::string values;
    const char* message;
  };
  const std::string values_book = std::string(kBook) + "values \"main\" main.values\n";
  const Row rows[] = {
      {"written twice", kBook, "B3 6\n\nB3 7\n", "",
       "main.sheet:3: B3 written twice (first on line 1)"},
      {"twice in a range", kBook, "B3 6\nB1:B4 0\n", "", "main.sheet:2: B3 written twice"},
      {"override of nothing", kBook, "override B3 7\n", "",
       "main.sheet:1: override of B3, which no earlier line"},
      {"unknown line", kBook, "B3 6\nwidht A 3\n", "", "main.sheet:2: unknown line 'widht'"},
      {"value count", kBook, "D2:D5 1 2 3\n", "",
       "main.sheet:1: D2:D5 has 4 cells but the line gives 3 values"},
      {"unquoted text", kBook, "A2 city\n", "",
       "main.sheet:1: 'city' is no number: write texts in quotes"},
      {"bad formula", kBook, "B1 5\nE2:E31 =IF(D2=0,0\n", "",
       "main.sheet:2: formula in main!E2 rejected at position 10"},
      {"unclosed text", kBook, "A2 \"city\n", "", "main.sheet:1: text without its closing quote"},
      {"expectation", kBook, "B3 6\nB4 =B3\nexpect formulas 2\n", "",
       "main.sheet:3: expected formulas 2, the sheet has 1"},
      {"used range", kBook, "B3 6\nexpect used A1:K34\n", "",
       "main.sheet:2: expected used A1:K34, the sheet has B3"},
      {"missing file", "sheet 1 \"main\" nowhere.sheet\n", "", "",
       "book.txt:1: no file named 'nowhere.sheet'"},
      {"sheet order", "sheet 2 \"main\" main.sheet\n", "", "",
       "book.txt:1: sheet number 2 where 1 comes next"},
      {"same name", "sheet 1 \"main\"\nsheet 2 \"MAIN\"\n", "", "",
       "book.txt:2: there is already a sheet named"},
      {"bad setting", "passes many\n", "", "", "book.txt:1: expected the most passes as a number"},
      {"values on a constant", values_book, "B3 6\n", "B3 7\n",
       "main.values:1: B3 holds no formula"},
      {"bad colour", kBook, "fill A1 yellow\n", "", "main.sheet:1: 'yellow' is no colour"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const std::string error = load_error(r.book, r.sheet, r.values);
    EXPECT_NE(error.find(r.message), std::string::npos) << error;
  }
}

TEST(BookTextTest, OverrideReplacesAnEarlierLine) {
  Book book = load(kBook, "B1:B4 1\noverride B3 7\n");
  EXPECT_EQ(book.cell_text(at("B3")), "7");
}

TEST(BookTextTest, ValuesFileGivesFormulaCellsTheirStartingValues) {
  Book book = load(std::string(kBook) + "values \"main\" main.values\n",
                   "A1 =(A1+10)/2\nA2:A3 =A1*2\nexpect formulas 3\n", "A1 6\nA2:A3 #DIV/0! 4\n");
  EXPECT_EQ(book.cell_text(at("A1")), "6");
  EXPECT_EQ(book.cell_text(at("A2")), "#DIV/0!");
  EXPECT_EQ(book.cell_text(at("A3")), "4");
  book.settings().max_passes = 1;
  book.recalc();
  EXPECT_EQ(book.cell_text(at("A1")), "8");   // one pass from the cached 6
  EXPECT_EQ(book.cell_text(at("A3")), "32");  // A3 reads A2, its relative reference moved
}

// A sheet written as another sheet file plus its differences.
Book load_with_base(std::string sheet_text, std::string base_text) {
  const std::string book_text = std::string(kBook) + "sheet 2 \"copy\" copy.sheet\n";
  const std::vector<EmbeddedFile> files = {
      {"book.txt", book_text}, {"main.sheet", base_text}, {"copy.sheet", sheet_text}};
  return load_book(files, "book.txt");
}

CellPos copy_at(const char* a1) {
  CellPos pos = *parse_a1(a1);
  pos.sheet = 1;
  return pos;
}

TEST(BookTextTest, IncludeReadsAnotherSheetFileWithinItsRows) {
  const std::string base =
      "A1:A4 1 2 3 4\n"
      "B2:B4 =A2*10\n"
      "format A1:A4 \"0.0\"\n"
      "height 1:4 20\n"
      "seed B2:B4 5\n"
      "expect formulas 3\n";
  Book book = load_with_base(
      "include main.sheet rows 2:3\n"
      "override B3 =A3+1\n"
      "erase A2\n"
      "C1 =B2\n"
      "expect formulas 3\n",
      base);
  book.recalc();
  EXPECT_EQ(book.cell_text(copy_at("A1")), "");
  EXPECT_EQ(book.cell_text(copy_at("A2")), "");
  EXPECT_EQ(book.cell_text(copy_at("A3")), "3");
  EXPECT_EQ(book.cell_text(copy_at("A4")), "");
  EXPECT_EQ(book.cell_formula(copy_at("B2")), "A2*10");  // the shape of B2 moved with the cell
  EXPECT_EQ(book.cell_text(copy_at("B3")), "4");
  EXPECT_EQ(book.cell_kind(copy_at("B4")), CellKind::kEmpty);
  EXPECT_EQ(book.style_of(copy_at("A3")).format.code(), "0.0");
  EXPECT_EQ(book.style_of(copy_at("A1")).format.code(), "General");
  EXPECT_EQ(book.sheet(1).row_height(2), 20);
  EXPECT_NE(book.sheet(1).row_height(0), 20);
  // The base sheet itself is untouched.
  EXPECT_EQ(book.cell_text(at("B4")), "40");
}

TEST(BookTextTest, IncludeFaultsNameTheirFile) {
  struct Row {
    const char* name;
    std::string sheet;
    std::string base;
    const char* message;
  };
  const Row rows[] = {
      {"missing file", "include nowhere.sheet\n", "",
       "copy.sheet:1: no file named 'nowhere.sheet'"},
      {"itself", "include copy.sheet\n", "", "copy.sheet:1: 'copy.sheet' includes itself"},
      {"bad rows", "include main.sheet rows x\n", "", "copy.sheet:1: 'x' is no row"},
      {"fault inside", "include main.sheet\n", "B1 6\nwidht A 3\n",
       "main.sheet:2: unknown line 'widht'"},
      {"twice", "include main.sheet\nB1 7\n", "B1 6\n",
       "copy.sheet:2: B1 written twice (first on line main.sheet:1)"},
      {"erase of nothing", "include main.sheet rows 2:3\nerase B1\n", "B1 6\n",
       "copy.sheet:2: erase of B1, which no earlier line wrote"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string error;
    try {
      load_with_base(r.sheet, r.base);
    } catch (const BookFileError& e) {
      error = e.what();
    }
    EXPECT_NE(error.find(r.message), std::string::npos) << error;
  }
}

// Two system sheets and a summary of each, the second summary written as the first with its
// system sheet renamed.
Book load_renamed(std::string second_summary) {
  const std::string first_summary = "A1 ='Geo A'!B1*2\nA2 =A1+Sys!B1\nA3 \"Geo A\"\n";
  const std::string book_text =
      "sheet 1 \"Geo A\" a.sheet\nsheet 2 \"Geo B\" b.sheet\nsheet 3 \"Sys\" a.sheet\n"
      "sheet 4 \"GAS\" gas.sheet\nsheet 5 \"GBS\" gbs.sheet\n";
  const std::vector<EmbeddedFile> files = {{"book.txt", book_text},
                                           {"a.sheet", "B1 3\n"},
                                           {"b.sheet", "B1 5\n"},
                                           {"gas.sheet", first_summary},
                                           {"gbs.sheet", second_summary}};
  return load_book(files, "book.txt");
}

TEST(BookTextTest, IncludeCanReadAnotherSheetInPlaceOfOne) {
  Book book = load_renamed("include gas.sheet sheet \"geo a\" as \"Geo B\"\n");
  book.recalc();
  const CellPos a1{4, 0, 0}, a2{4, 1, 0}, a3{4, 2, 0};
  EXPECT_EQ(book.cell_formula(a1), "'Geo B'!B1*2");
  EXPECT_EQ(book.cell_text(a1), "10");
  EXPECT_EQ(book.cell_formula(a2), "A1+Sys!B1");  // other sheets and own cells stay
  EXPECT_EQ(book.cell_text(a2), "13");
  EXPECT_EQ(book.cell_text(a3), "Geo A");     // texts are no references
  EXPECT_EQ(book.cell_text({3, 0, 0}), "6");  // the included sheet itself is untouched
}

TEST(BookTextTest, RenamesOfNestedIncludesApplyInnermostFirst) {
  // GAS reads Geo A; an outer include maps Geo B on to Sys: Geo A -> Geo B -> Sys.
  const std::string middle = "include gas.sheet sheet \"Geo A\" as \"Geo B\"\n";
  const std::string book_text =
      "sheet 1 \"Geo A\" a.sheet\nsheet 2 \"Geo B\" b.sheet\nsheet 3 \"Sys\" s.sheet\n"
      "sheet 4 \"GAS\" gas.sheet\nsheet 5 \"GBS\" gbs.sheet\n";
  const std::vector<EmbeddedFile> files = {
      {"book.txt", book_text},
      {"a.sheet", "B1 3\n"},
      {"b.sheet", "B1 5\n"},
      {"s.sheet", "B1 7\n"},
      {"gas.sheet", "A1 ='Geo A'!B1\n"},
      {"mid.sheet", middle},
      {"gbs.sheet", "include mid.sheet sheet \"Geo B\" as \"Sys\"\n"}};
  Book book = load_book(files, "book.txt");
  EXPECT_EQ(book.cell_formula({4, 0, 0}), "Sys!B1");
}

TEST(BookTextTest, RenameFaultsAreReported) {
  struct Row {
    const char* name;
    std::string line;
    const char* message;
  };
  const Row rows[] = {
      {"unknown sheet", "include gas.sheet sheet \"Geo C\" as \"Geo B\"\n",
       "gbs.sheet:1: no sheet named 'Geo C'"},
      {"no as", "include gas.sheet sheet \"Geo A\" \"Geo B\"\n",
       "gbs.sheet:1: include takes a sheet file"},
      {"bare name", "include gas.sheet sheet Geo as \"Geo B\"\n",
       "gbs.sheet:1: expected a \"sheet name\""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    std::string error;
    try {
      load_renamed(r.line);
    } catch (const BookFileError& e) {
      error = e.what();
    }
    EXPECT_NE(error.find(r.message), std::string::npos) << error;
  }
}

TEST(BookTextTest, SeedLinesRegisterSafeSeeds) {
  Book book = load(kBook, "seed A1 3\nA1 =A1+B1\nB1 \"x\"\n");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("A1")), "#VALUE!");
  book.set_cell_text(at("B1"), "0");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("A1")), "3");
}

TEST(BookTextTest, SeedLinesTakeRanges) {
  Book book = load(kBook, "seed A1:A2 4\nA1:A2 =A1+B1\nB1:B2 \"x\"\n");
  book.recalc();
  book.set_cell_text(at("B1"), "0");
  book.set_cell_text(at("B2"), "1");
  book.recalc();
  EXPECT_EQ(book.cell_text(at("A1")), "4");
  EXPECT_EQ(book.cell_text(at("A2")), "5");
}

}  // namespace
}  // namespace pellavan::sheet
