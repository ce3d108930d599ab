#pragma once
// Where a fill's recalculation starts, so that a developer can see whether the analysis lands on
// one answer from anywhere (pellavan-wbdump --start). Each is a ProjectAnalysis::start_from.

#include <filesystem>

#include "sheet/book.h"
#include "workbook/analysis_run.h"

namespace pellavan::wbdump {

// Each formula cell that is a formula in `from` too starts from from's value: another project's
// settled book.
workbook::StartState start_from_book(sheet::Book from);

// The backups carry every heating bin alone: on Geo A and Geo B the backup's run time AP is 1 and
// the heat pump's BH 0, on the heat pump sheet K is 1 and N 0.
workbook::StartState start_locked_out();

// The values another spreadsheet program computed, lines of sheet, cell and number separated by
// tabs (recalc_in_calc.py --values); a cell that is no formula here, or a line that is no such
// triple, is passed over. Throws std::runtime_error when the file cannot be read.
workbook::StartState start_from_values(const std::filesystem::path& file);

}  // namespace pellavan::wbdump
