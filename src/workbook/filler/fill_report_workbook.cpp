#include "workbook/filler/fill_report_workbook.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "workbook/filler/compared_results.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/refused_figures.h"
#include "workbook/filler/result_ranges.h"
#include "workbook/filler/summary_results.h"

namespace pellavan::workbook {

namespace {

// The order of work. The steps of the system sheets join between Rates and Economics as the
// sheets are built: Geo A, Geo B, GEO T, Air-to-Air, Furnace.
constexpr FillStep kFillSteps[] = {
    {"Loads", fill_loads},     {"Rates", fill_rates},         {"Geo A", fill_geo_a},
    {"Geo B", fill_geo_b},     {"GEO T", fill_geo_t},         {"Air-to-Air", fill_air_to_air},
    {"Furnace", fill_furnace}, {"Economics", fill_economics},
};

}  // namespace

std::span<const FillStep> fill_steps() { return kFillSteps; }

FillOutcome Fill_ReportWorkbook(FillContext& ctx) {
  if (std::optional<FillOutcome> refused = write_fill_inputs(ctx)) return std::move(*refused);
  return recalculate_fill(ctx);
}

std::optional<FillOutcome> write_fill_inputs(FillContext& ctx) {
  // Loads!A27 is the sensible load divided by the cooling load: with a load of 0 there is no
  // ratio to write, and every cooling result would follow it into nonsense.
  if (ctx.model.ProjectRec.Loads_CoolLoad == 0) {
    FillOutcome outcome;
    outcome.refusal = std::string(kCoolingLoadRangeMessage);
    return outcome;
  }
  sheet::Book& book = ctx.ReportWorkbook.book();
  if (book.has_mark()) book.return_to_mark();
  ctx.catalogue_problems.clear();
  ctx.refused_figures = refused_figures(ctx.stored_check, ctx.model);
  const FiguresKeptOut kept_out(ctx.model.ProjectRec, ctx.refused_figures);
  for (const FillStep& step : kFillSteps) step.fill(ctx);
  return std::nullopt;
}

FillOutcome recalculate_fill(FillContext& ctx) {
  FillOutcome outcome;
  outcome.recalc = ctx.ReportWorkbook.recalc();
  outcome.converged = outcome.recalc.converged;
  outcome.passes = outcome.recalc.passes;
  outcome.spans = figure_spans(ctx, outcome.recalc);
  if (!outcome.converged) outcome.converged = compared_results_hold(ctx);
  if (ctx.charts) {
    ctx.charts->Fill_BinCharts();
    ctx.charts->Fill_ComparisonChart();
  }
  SummaryReadBack read = read_summary_results(ctx);
  outcome.clamped_results = std::move(read.clamped);
  outcome.unusable_results = std::move(read.unusable);
  outcome.out_of_range = results_out_of_range(ctx);
  outcome.catalogue_problems = std::move(ctx.catalogue_problems);
  ctx.catalogue_problems.clear();
  outcome.refused_figures = ctx.refused_figures;
  outcome.filled = true;
  return outcome;
}

std::vector<std::string> FillOutcome::problems() const {
  std::vector<std::string> lines;
  if (!filled) {
    lines.push_back("fill refused: " + refusal);
    return lines;
  }
  for (const model::StoredFigure& f : refused_figures) lines.push_back(f.message());
  for (const CatalogueProblem& p : catalogue_problems) {
    // A record a system was kept out for is named once, by the message above.
    const std::string record = p.file + " Record " + std::to_string(p.id);
    if (std::ranges::none_of(refused_figures, [&](const model::StoredFigure& f) {
          return f.record != model::RecordFault::kNone && f.words == record;
        }))
      lines.push_back(describe(p));
  }
  if (!converged)
    lines.push_back("the recalculation stopped at " + std::to_string(passes) +
                    " passes without converging");
  for (const ResultProblem& p : unusable_results) lines.push_back(describe(p));
  for (const std::string_view field : clamped_results)
    lines.push_back(std::string(field) + ": beyond the range of the field, clamped");
  for (const RangeProblem& p : out_of_range) lines.push_back(describe(p));
  return lines;
}

std::vector<FigureSpan> FillOutcome::unsettled() const {
  std::vector<FigureSpan> found;
  std::copy_if(spans.begin(), spans.end(), std::back_inserter(found),
               [](const FigureSpan& s) { return s.unsettled(); });
  return found;
}

}  // namespace pellavan::workbook
