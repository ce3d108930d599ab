#pragma once
// The figures the project compares: every cell of the summary sheets of the systems its three
// comparison columns choose. A recalculation stopped at its pass cap gives usable results when
// one pass more leaves these the same: what still moves is no result the user is shown side by
// side.

#include <vector>

#include "sheet/value.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

[[nodiscard]] std::vector<sheet::Value> compared_results(const FillContext& ctx);

// Runs one pass more and tells whether the compared results stayed the same.
[[nodiscard]] bool compared_results_hold(FillContext& ctx);

}  // namespace pellavan::workbook
