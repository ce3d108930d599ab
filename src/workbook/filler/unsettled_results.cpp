#include "workbook/filler/unsettled_results.h"

#include <algorithm>
#include <cmath>

#include "model/project/system_kinds.h"
#include "workbook/filler/result_ranges.h"
#include "workbook/filler/summary_sheets.h"

namespace pellavan::workbook {

namespace {

constexpr double kSpanShare = 0.02;
constexpr double kSpanMoney = 10;  // dollars (or the currency's units) a year
constexpr double kSpanFeet = 10;

// The year's cost of each use stands in the summary's column N, with its bounds in the one table
// of them (result_ranges.cpp); the totals and the loop length have no bounds.
constexpr char kCostColumn = 'N';

struct Figure {
  int kinds;
  std::string_view cell;  // in the imperial block of the summary; "" for the system's loop cell
  std::string_view quantity;
  bool money = true;  // a year's cost, else a length in ft
};

constexpr Figure kUnbounded[] = {
    {kGeo, "N56", "total operating cost"},
    {kGeo, "", "loop length", false},
    {kHeatPump, "N48", "total operating cost"},
    {kFurnace, "N40", "total operating cost"},
};

struct FigureCell {
  const SummarySheet* summary;
  std::string_view quantity;
  bool money;
  sheet::CellPos pos;
};

// The cells of the compared systems' figures that hold a number, each system's costs of each use
// first: a well's flow and the rows a system's choices leave out are none.
std::vector<FigureCell> figure_cells(const FillContext& ctx) {
  const sheet::Book& book = ctx.ReportWorkbook.book();
  std::vector<FigureCell> cells;
  for (const SummarySheet& summary : kSummarySheets) {
    if (!ctx.analyses(summary.system)) continue;
    const auto add = [&](std::string_view cell, std::string_view quantity, bool money) {
      if (cell.empty() && open_well(book, summary)) return;
      const sheet::CellPos pos = summary_pos(summary.sheet, cell.empty() ? summary.loop : cell);
      if (book.cell_value(pos).is_number()) cells.push_back({&summary, quantity, money, pos});
    };
    for (const ResultBound& bound : result_bounds()) {
      if ((bound.kinds & summary.kind) != 0 && bound.cell.starts_with(kCostColumn))
        add(bound.cell, bound.quantity, true);
    }
    for (const Figure& figure : kUnbounded)
      if ((figure.kinds & summary.kind) != 0) add(figure.cell, figure.quantity, figure.money);
  }
  return cells;
}

// Widens each span to the least and the most of its figure over the states of the cycles of
// `recalc`; every value is as the recalculation left it afterwards.
void widen_over_cycle_states(sheet::Book& book, const sheet::RecalcReport& recalc,
                             const std::vector<FigureCell>& cells, std::vector<FigureSpan>& spans) {
  book.visit_cycle_states(recalc, [&] {
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const sheet::Value v = book.cell_value(cells[k].pos);
      if (!v.is_number()) continue;
      spans[k].low = std::min(spans[k].low, v.as_number());
      spans[k].high = std::max(spans[k].high, v.as_number());
    }
  });
}

}  // namespace

bool FigureSpan::unsettled() const {
  const double span = high - low;
  return span > kSpanShare * std::fabs(figure) && span > (money ? kSpanMoney : kSpanFeet);
}

double FigureSpan::percent() const {
  return figure == 0 ? 0 : 100 * (high - low) / std::fabs(figure);
}

std::vector<ComparedFigure> compared_figures(const FillContext& ctx) {
  const sheet::Book& book = ctx.ReportWorkbook.book();
  std::vector<ComparedFigure> figures;
  for (const FigureCell& c : figure_cells(ctx))
    figures.push_back({c.summary->name, c.quantity, book.cell_value(c.pos).as_number()});
  return figures;
}

std::vector<FigureSpan> figure_spans(FillContext& ctx, const sheet::RecalcReport& recalc) {
  sheet::Book& book = ctx.ReportWorkbook.book();
  std::vector<FigureSpan> spans;
  if (recalc.cycle_round() == 0) return spans;
  const std::vector<FigureCell> cells = figure_cells(ctx);
  for (const FigureCell& c : cells) {
    const double figure = book.cell_value(c.pos).as_number();
    spans.push_back(FigureSpan{.system = c.summary->name,
                               .quantity = c.quantity,
                               .money = c.money,
                               .figure = figure,
                               .low = figure,
                               .high = figure,
                               .type = c.summary->system});
  }
  widen_over_cycle_states(book, recalc, cells, spans);
  return spans;
}

}  // namespace pellavan::workbook
