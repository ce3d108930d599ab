#pragma once
// The chosen systems' results that no building can have: a cost or an energy below 0, a loop
// length below 0 or not finite. The windows refuse the inputs that lead there, but a damaged or
// hand-edited project file reaches the workbook as stored, and the workbook computes on with it.

#include <vector>

#include "workbook/filler/fill_context.h"
#include "workbook/filler/fill_findings.h"

namespace pellavan::workbook {

// Looks at the summary sheets of the systems the three comparison columns choose.
[[nodiscard]] std::vector<RangeProblem> results_out_of_range(const FillContext& ctx);

}  // namespace pellavan::workbook
