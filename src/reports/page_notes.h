#pragma once
// The notes a printed report carries under its block: each stored figure of a system the report
// shows that the analysis was not run on, in the words the project's open told it, then each
// figure the report shows that the analysis could not settle on, with its range, in the words of
// the results warning. A report of settled results on sound figures carries none and prints as it
// always did.

#include <string>
#include <vector>

#include "model/input/stored_figures.h"
#include "reports/report_table.h"
#include "workbook/filler/unsettled_results.h"
#include "workbook/results_words.h"

namespace pellavan::reports {

// What the last fill could not settle on, and how its figures are shown.
struct UnsettledFigures {
  std::vector<workbook::FigureSpan> spans;  // each beyond its limits
  workbook::ResultsDisplay display;
  std::vector<model::StoredFigure> refused;  // kept out of the analysis
};

[[nodiscard]] std::vector<std::string> page_notes(const Report& report,
                                                  const UnsettledFigures& unsettled);

}  // namespace pellavan::reports
