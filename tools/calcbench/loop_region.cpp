#include "calcbench/loop_region.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "sheet/calc/dependency_graph.h"
#include "sheet/calc/schedule.h"
#include "sheet/formula/parser.h"

namespace pellavan::calcbench {

std::unordered_set<sheet::CellPos> loop_region(const sheet::Book& book) {
  std::vector<sheet::CellPos> formulas;  // in sheet order, as the engine numbers them
  std::unordered_map<sheet::CellPos, std::uint32_t> id;
  for_each_used_cell(book, [&](sheet::CellPos pos) {
    if (book.cell_kind(pos) != sheet::CellKind::kFormula) return;
    id.emplace(pos, static_cast<std::uint32_t>(formulas.size()));
    formulas.push_back(pos);
  });
  std::vector<std::vector<std::uint32_t>> precedents(formulas.size());
  for (std::size_t i = 0; i < formulas.size(); ++i) {
    const sheet::ParseContext context{formulas[i],
                                      [&](std::string_view name) { return book.find_sheet(name); }};
    const sheet::ParseResult parsed =
        sheet::parse_formula(*book.cell_formula(formulas[i]), context);
    const auto* ast = std::get_if<sheet::Ast>(&parsed);
    if (!ast) throw std::runtime_error("a formula of the book does not parse again");
    const auto read = [&](sheet::CellPos pos) {
      if (const auto found = id.find(pos); found != id.end())
        precedents[i].push_back(found->second);
    };
    for (const sheet::CellRef& ref : ast->refs) {
      if (const auto pos = ref.to_abs(formulas[i])) read(*pos);
    }
    for (const sheet::RangeRef& ref : ast->areas) {
      const auto range = ref.to_abs(formulas[i]);
      const auto used = range ? book.used_range(range->sheet) : std::nullopt;
      if (!used) continue;
      for (int r = range->first_row; r <= std::min(range->last_row, used->last_row); ++r) {
        for (int c = range->first_col; c <= std::min(range->last_col, used->last_col); ++c)
          read({range->sheet, r, c});
      }
    }
  }
  const sheet::Schedule schedule =
      sheet::build_schedule(sheet::DependencyGraph(std::move(precedents)));
  // The engine's last recalculation names its circular groups: ours must be those.
  const sheet::RecalcReport& report = book.last_recalc();
  if (!report.groups.empty()) {
    std::vector<std::uint32_t> ours;
    std::vector<std::uint32_t> engine;
    for (const sheet::LoopItem& item : schedule.items) {
      if (item.circular) ours.push_back(item.end - item.first);
    }
    for (const sheet::GroupReport& group : report.groups) engine.push_back(group.cells);
    std::sort(ours.begin(), ours.end());
    std::sort(engine.begin(), engine.end());
    if (ours != engine)
      throw std::runtime_error("the circular groups worked out again are not the engine's");
  }
  std::unordered_set<sheet::CellPos> region;
  for (const std::uint32_t f : schedule.loop_cells) region.insert(formulas[f]);
  return region;
}

}  // namespace pellavan::calcbench
