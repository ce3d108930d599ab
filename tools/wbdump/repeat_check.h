#pragma once
// Whether the figures of an analysis that went round a cycle are the same every time they are
// asked for: the workbook recalculated again from its own answer, from each state of the cycle
// in turn, and filled again with a tenfold finer change limit. Each way gives the largest
// deviation of a compared figure (workbook/filler/unsettled_results.h) from the figure reported.

#include "workbook/analysis_run.h"

namespace pellavan::wbdump {

struct RepeatCheck {
  double restarted = 0;    // % of the figure
  double from_states = 0;  // the worst of the states
  double finer_limit = 0;
  [[nodiscard]] double worst() const;
};

// The analysis as its last fill left it, whose recalculation (`filled`) went round a cycle;
// leaves it so.
RepeatCheck check_repeats(workbook::ProjectAnalysis& analysis, const sheet::RecalcReport& filled);

}  // namespace pellavan::wbdump
