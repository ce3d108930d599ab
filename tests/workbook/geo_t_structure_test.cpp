// The GEO T sheet as the template holds it: its formulas, its used range and the two circular
// groups the recalculation iterates, with their members.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "sheet/calc/dependency_graph.h"
#include "sheet/formula/parser.h"
#include "workbook/geo_t_book.h"

namespace pellavan::workbook::geo_t_test {
namespace {

using sheet::CellPos;

std::set<CellPos> column_rows(std::initializer_list<std::string_view> columns, int first,
                              int last) {
  std::set<CellPos> cells;
  for (std::string_view c : columns) {
    for (int r = first; r <= last; ++r)
      cells.insert(cell(kGeoT, std::string(c) + std::to_string(r)));
  }
  return cells;
}

// The loop-sizing cycle: per bin W:AC, AE:AG, AI:AM, AO:AU, AX:BB, CI, CS; the peak well flow;
// the design maximum loop temperature and the loop length.
std::set<CellPos> loop_group() {
  std::set<CellPos> cells = column_rows(
      {"W",  "X",  "Y",  "Z",  "AA", "AB", "AC", "AE", "AF", "AG", "AI", "AJ", "AK", "AL", "AM",
       "AO", "AP", "AQ", "AR", "AS", "AT", "AU", "AX", "AY", "AZ", "BA", "BB", "CI", "CS"},
      11, 40);
  for (const char* a1 : {"CI41", "N42", "P41", "P44", "P46", "P47", "P48"})
    cells.insert(cell(kGeoT, a1));
  return cells;
}

std::set<CellPos> minimum_temperature_group() {
  return {cell(kGeoT, "N43"), cell(kGeoT, "P40"), cell(kGeoT, "P43")};
}

// The circular groups of the sheet, found from the references its formulas make (both branches
// of every IF), independently of the recalculation's own schedule.
std::vector<std::set<CellPos>> cycles_of_sheet(const sheet::Book& book, int s) {
  std::vector<CellPos> nodes;
  std::map<CellPos, std::uint32_t> index;
  const auto used = *book.used_range(s);
  for (int r = used.first_row; r <= used.last_row; ++r) {
    for (int c = used.first_col; c <= used.last_col; ++c) {
      if (book.cell_kind({s, r, c}) != sheet::CellKind::kFormula) continue;
      index[{s, r, c}] = static_cast<std::uint32_t>(nodes.size());
      nodes.push_back({s, r, c});
    }
  }
  sheet::ParseContext context;
  context.find_sheet = [&](std::string_view name) { return book.find_sheet(name); };
  std::vector<std::vector<std::uint32_t>> precedents(nodes.size());
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    context.origin = nodes[i];
    auto parsed = sheet::parse_formula(*book.cell_formula(nodes[i]), context);
    const auto& ast = std::get<sheet::Ast>(parsed);
    auto read = [&](CellPos p) {
      if (auto it = index.find(p); it != index.end()) precedents[i].push_back(it->second);
    };
    for (const sheet::CellRef& ref : ast.refs) {
      if (ref.sheet == sheet::kOwnSheet) read(*ref.to_abs(nodes[i]));
    }
    for (const sheet::RangeRef& area : ast.areas) {
      const auto range = *area.to_abs(nodes[i]);
      for (int r = range.first_row; r <= range.last_row; ++r) {
        for (int c = range.first_col; c <= range.last_col; ++c) read({s, r, c});
      }
    }
  }
  const sheet::DependencyGraph graph(std::move(precedents));
  const sheet::Components components = sheet::strongly_connected(graph);
  std::vector<std::set<CellPos>> cycles;
  for (std::uint32_t k = 0; k < components.count(); ++k) {
    const auto members = components.members(k);
    if (members.size() < 2 && !graph.reads_itself(members[0])) continue;
    std::set<CellPos> cycle;
    for (std::uint32_t m : members) cycle.insert(nodes[m]);
    cycles.push_back(std::move(cycle));
  }
  std::sort(cycles.begin(), cycles.end(),
            [](const auto& a, const auto& b) { return a.size() < b.size(); });
  return cycles;
}

TEST(GeoTStructureTest, FormulasAndUsedRange) {
  const sheet::Book book = load_report_template();
  ASSERT_EQ(book.sheet(kGeoT).name(), "GEO T");
  int formulas = 0;
  const auto used = book.used_range(kGeoT);
  ASSERT_TRUE(used.has_value());
  EXPECT_EQ(sheet::format_a1_range(*used), "A1:EU52");
  for (int r = used->first_row; r <= used->last_row; ++r) {
    for (int c = used->first_col; c <= used->last_col; ++c) {
      formulas += book.cell_kind({kGeoT, r, c}) == sheet::CellKind::kFormula;
    }
  }
  // The sheet's stated 3,550 formulas less one that no description of the sheet names, and the 98
  // in ER:ET that count the load left unmet.
  EXPECT_EQ(formulas, 3549 + 98);
}

TEST(GeoTStructureTest, TwoCircularGroupsWithTheirMembers) {
  const sheet::Book book = load_report_template();
  const auto cycles = cycles_of_sheet(book, kGeoT);
  ASSERT_EQ(cycles.size(), 2u);
  EXPECT_EQ(cycles[0], minimum_temperature_group());
  EXPECT_EQ(cycles[1].size(), 877u);
  EXPECT_EQ(cycles[1], loop_group());
}

TEST(GeoTStructureTest, TheRecalculationIteratesTheSameGroups) {
  GeoTBook sample;
  sample.recalc();
  std::vector<std::pair<std::uint32_t, std::string>> groups;
  for (const sheet::GroupReport& g : sample.book().last_recalc().groups) {
    if (g.first_cell.sheet == kGeoT && !g.counter) {
      groups.emplace_back(g.cells, sheet::format_a1(g.first_cell.row, g.first_cell.col));
    }
  }
  std::sort(groups.begin(), groups.end());
  const std::vector<std::pair<std::uint32_t, std::string>> expected = {{3, "P40"}, {877, "W11"}};
  EXPECT_EQ(groups, expected);
  EXPECT_TRUE(sample.book().last_recalc().converged);
}

}  // namespace
}  // namespace pellavan::workbook::geo_t_test
