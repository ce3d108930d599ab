// Checks over the whole analysis workbook template: formulas per sheet, the circular groups the
// engine finds, and where the formulas' references point.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "sheet/address.h"
#include "sheet/book.h"
#include "sheet/formula/parser.h"
#include "template_book.h"

namespace pellavan::workbook {
namespace {

struct SheetCount {
  const char* name;
  int formulas;   // in the book this template reproduces
  int unnamed;    // of those, cells whose content our sources do not give (see the sheet file)
  int unmet = 0;  // cells of our own beside them that count the load a system leaves unmet
};

// 13,151 formulas in all.
constexpr SheetCount kSheets[] = {
    {"Loads", 3, 0},
    {"Rates", 0, 0},
    {"Geo A", 1997, 0, 98},
    {"Geo B", 1949, 1, 98},
    {"Air-to-Air", 1612, 0, 98},
    {"Furnace", 1231, 0, 66},
    {"Economics", 0, 0},
    {"PRT", 9, 0},
    {"PRS", 182, 0, 5},
    {"GAS", 270, 16, 4},
    {"GBS", 263, 14, 4},
    {"AAS", 184, 3, 4},
    {"FUS", 122, 0, 4},
    {"ECS", 0, 0},
    {"GAQ", 161, 0, 20},
    {"GBQ", 161, 0, 20},
    {"AAQ", 122, 2, 20},
    {"FUQ", 74, 0, 20},
    {"ECQ", 0, 0},
    {"PRG", 23, 0, 1},
    {"GAG", 164, 0},
    {"GBG", 164, 0},
    {"AAG", 164, 0},
    {"FUG", 164, 0},
    {"GEO T", 3550, 1, 98},
    {"GTS", 254, 17, 4},
    {"GTQ", 164, 0, 20},
    {"GTG", 164, 0},
    {"Num 25", 0, 0},
};

// Sheets no formula may read and no formula lives on.
constexpr const char* kUnread[] = {"Economics", "ECS", "ECQ", "Num 25"};

int formulas_on(const sheet::Book& book, int sheet) {
  const auto used = book.used_range(sheet);
  if (!used) return 0;
  int count = 0;
  for (int r = used->first_row; r <= used->last_row; ++r) {
    for (int c = used->first_col; c <= used->last_col; ++c) {
      if (book.cell_kind({sheet, r, c}) == sheet::CellKind::kFormula) ++count;
    }
  }
  return count;
}

// Every formula cell of the book with its parsed form.
struct FormulaCell {
  sheet::CellPos pos;
  sheet::Ast ast;
};

std::vector<FormulaCell> all_formulas(const sheet::Book& book) {
  sheet::ParseContext context;
  context.find_sheet = [&](std::string_view name) { return book.find_sheet(name); };
  std::vector<FormulaCell> out;
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) {
        const sheet::CellPos pos{s, r, c};
        const auto text = book.cell_formula(pos);
        if (!text) continue;
        context.origin = pos;
        auto parsed = sheet::parse_formula(*text, context);
        if (auto* ast = std::get_if<sheet::Ast>(&parsed))
          out.push_back({pos, std::move(*ast)});
        else
          ADD_FAILURE() << book.sheet(s).name() << "!" << sheet::format_a1(r, c)
                        << " does not parse";
      }
    }
  }
  return out;
}

class WholeBookTest : public ::testing::Test {
 protected:
  static const sheet::Book& book() { return testing::template_book(); }
};

TEST_F(WholeBookTest, TheCountsAddUpToTheWholeBook) {
  int documented = 0;
  for (const SheetCount& s : kSheets) documented += s.formulas;
  EXPECT_EQ(documented, 13151);
  ASSERT_EQ(std::size(kSheets), 29u);
  for (int i = 0; i < 29; ++i) EXPECT_EQ(book().sheet(i).name(), kSheets[i].name);
}

TEST_F(WholeBookTest, EachSheetHoldsItsFormulas) {
  int built = 0;
  int unnamed = 0;
  int unmet = 0;
  for (const SheetCount& s : kSheets) {
    const int found = formulas_on(book(), *book().find_sheet(s.name));
    built += found;
    unnamed += s.unnamed;
    unmet += s.unmet;
    EXPECT_EQ(found, s.formulas - s.unnamed + s.unmet) << s.name;
  }
  EXPECT_EQ(built + unnamed - unmet, 13151);
}

TEST_F(WholeBookTest, CrossSheetReferencesPointIntoThisBook) {
  std::map<std::string, int> reads_per_sheet;
  for (const FormulaCell& f : all_formulas(book())) {
    for (const sheet::CellRef& ref : f.ast.refs) {
      if (ref.sheet == sheet::kOwnSheet) continue;
      EXPECT_TRUE(ref.sheet >= 0 && ref.sheet < book().sheet_count());
      EXPECT_TRUE(ref.to_abs(f.pos).has_value())
          << book().sheet(f.pos.sheet).name() << "!" << sheet::format_a1(f.pos.row, f.pos.col);
      ++reads_per_sheet[book().sheet(ref.sheet).name()];
    }
    for (const sheet::RangeRef& area : f.ast.areas) {
      // Areas are only ever on the formula's own sheet.
      EXPECT_EQ(area.first.sheet, sheet::kOwnSheet)
          << book().sheet(f.pos.sheet).name() << "!" << sheet::format_a1(f.pos.row, f.pos.col);
    }
  }
  for (const char* name : kUnread) EXPECT_EQ(reads_per_sheet[name], 0) << name << " is read";
}

// How often the unit flags and the page headers' cells are read, over the whole book.
TEST_F(WholeBookTest, FlagAndHeaderCellsAreReadByEveryPage) {
  struct Read {
    const char* sheet;
    const char* cell;
    int references;
  };
  const Read reads[] = {
      {"Loads", "A1", 450},  // the metric flag, read by the bin-graph sheets only
      {"Loads", "B40", 36},  // keep feet: the ground-source summaries and panels
      {"Rates", "E5", 23},   // gas per GJ
      {"Loads", "A14", 31},  // project description in every page header
      {"Loads", "A17", 31},  // project date
      {"Loads", "B34", 30},  // company caption
  };
  std::map<std::pair<int, sheet::CellPos>, int> count;
  for (const FormulaCell& f : all_formulas(book())) {
    for (const sheet::CellRef& ref : f.ast.refs) {
      if (ref.sheet == sheet::kOwnSheet) continue;
      if (const auto at = ref.to_abs(f.pos))
        ++count[{ref.sheet, sheet::CellPos{0, at->row, at->col}}];
    }
  }
  for (const Read& r : reads) {
    const sheet::CellPos cell = *sheet::parse_a1(r.cell);
    EXPECT_EQ((count[{*book().find_sheet(r.sheet), sheet::CellPos{0, cell.row, cell.col}}]),
              r.references)
        << r.sheet << "!" << r.cell;
  }
}

TEST_F(WholeBookTest, TheUnusedSheetsStayEmpty) {
  for (const char* name : kUnread)
    EXPECT_FALSE(book().used_range(*book().find_sheet(name)).has_value()) << name;
}

TEST_F(WholeBookTest, ThirtyFourCircularGroups) {
  sheet::Book book = load_report_template();
  book.recalc();
  std::map<std::string, std::vector<std::uint32_t>> groups;  // sheet -> sizes
  for (const sheet::GroupReport& g : book.last_recalc().groups) {
    if (!g.counter) groups[book.sheet(g.first_cell.sheet).name()].push_back(g.cells);
  }
  for (auto& [name, sizes] : groups) std::sort(sizes.begin(), sizes.end());
  EXPECT_EQ(groups["Geo A"], (std::vector<std::uint32_t>{738}));
  EXPECT_EQ(groups["Geo B"], (std::vector<std::uint32_t>{737}));
  EXPECT_EQ(groups["GEO T"], (std::vector<std::uint32_t>{3, 877}));
  EXPECT_EQ(groups["Air-to-Air"], std::vector<std::uint32_t>(30, 7));
  EXPECT_EQ(groups.size(), 4u);
}

}  // namespace
}  // namespace pellavan::workbook
