#pragma once
// Set_Criteria: the fixed state the windows put the analysis workbook's views in, on whatever
// sheet is active on each control. The reports window's own variant also sets its zoom and the
// one-page print scale; the variant of the windows with a view attached to the reports window's
// control (the furnace/boiler and heat-pump windows, the bin-analysis viewer) puts that control
// and then their own into the state.

#include "sheet_view/spreadsheet_control.h"

namespace pellavan::reports {

// The zoom the reports window's variant sets.
inline constexpr int kCriteriaZoom = 85;

// The reports window's variant, on its control.
void Set_Criteria(sheet::view::SpreadsheetControl& reports);

// The attached windows' variant: `reports` is the reports window's control, `own` the window's.
void Set_Criteria(sheet::view::SpreadsheetControl& reports, sheet::view::SpreadsheetControl& own);

}  // namespace pellavan::reports
