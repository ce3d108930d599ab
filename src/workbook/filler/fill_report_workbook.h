#pragma once
// Fill_ReportWorkbook brings the analysis workbook up to date with the project: it writes every
// input as cell text, recalculates once, lets the charts be drawn from the result and reads the
// 22 summary results back into the project record. It changes nothing else of ProjectRec but
// the repaired fields its steps write back. Every fill starts from the workbook as the template
// holds it (its marked state), so that a project gives the same results whatever was filled
// before it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "workbook/filler/fill_context.h"
#include "workbook/filler/fill_findings.h"
#include "workbook/filler/unsettled_results.h"

namespace pellavan::workbook {

// The message of a fill refused because the project's cooling load is 0 (the sensible/total
// ratio divides by it); the loads window keeps the load within that range.
inline constexpr std::string_view kCoolingLoadRangeMessage =
    "Cooling Load Outside of Valid Range of 1000 - 999999";
inline constexpr std::string_view kRangeViolationTitle = "Range Violation";

struct FillOutcome {
  bool filled = false;  // false: refused before writing anything
  std::string refusal;  // what to tell the user when refused
  // Result fields whose value did not fit a Currency field: they hold its nearest limit.
  std::vector<std::string_view> clamped_results;
  // Result fields whose cell held no number: they hold 0.
  std::vector<ResultProblem> unusable_results;
  // Records looked for by a non-zero id and not found whole: their cells were written from an
  // emptied record.
  std::vector<CatalogueProblem> catalogue_problems;
  // Stored figures of the loads, the rates and the compared systems that their windows refuse:
  // the systems they concern were not analysed (FillContext::refused_figures).
  std::vector<model::StoredFigure> refused_figures;
  // Results of the compared systems outside their physical range (result_ranges.h).
  std::vector<RangeProblem> out_of_range;
  // The recalculation stopped by the change limit, or at the pass cap with the compared systems'
  // results the same one pass on (compared_results.h).
  bool converged = true;
  int passes = 0;              // passes of its iteration
  sheet::RecalcReport recalc;  // as the recalculation reported it, its cycles included
  // Where a circular group went round a cycle and was settled at its mean: each cost and loop
  // length of the compared systems with the range its states span (unsettled_results.h).
  std::vector<FigureSpan> spans;

  // Filled, converged, every record found, every stored figure within its window's range, every
  // result a number that fits its field and every checked result within its physical range.
  [[nodiscard]] bool usable() const {
    return filled && converged && clamped_results.empty() && unusable_results.empty() &&
           catalogue_problems.empty() && out_of_range.empty() && refused_figures.empty();
  }
  // What went wrong, one line each; empty for a usable fill.
  [[nodiscard]] std::vector<std::string> problems() const;
  // The figures that span more than their limits: usable, but not settled on.
  [[nodiscard]] std::vector<FigureSpan> unsettled() const;
};

FillOutcome Fill_ReportWorkbook(FillContext& ctx);

// Fill_ReportWorkbook in its two halves, for a tool that puts values in between: the workbook
// back at its mark with every input written (a refused fill's outcome, or nullopt), then the
// recalculation and all that is read back from it.
[[nodiscard]] std::optional<FillOutcome> write_fill_inputs(FillContext& ctx);
FillOutcome recalculate_fill(FillContext& ctx);

}  // namespace pellavan::workbook
