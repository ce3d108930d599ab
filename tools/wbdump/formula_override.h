#pragma once
// One range's formula replaced in a workbook that fills return to: a developer's way to see what
// another formula would make of a job (pellavan-wbdump --override), and the tests' way to a job
// whose analysis goes round a cycle (old_backup_run_time).

#include <optional>
#include <string_view>

#include "sheet/address.h"
#include "sheet/book.h"

namespace pellavan::wbdump {

// "Sheet!A1:B2" or "Sheet!A1" of `book`; nullopt when it names no sheet of it or no cells.
[[nodiscard]] std::optional<sheet::RangePos> find_range(const sheet::Book& book,
                                                        std::string_view range);

// Puts `formula` (with or without its "=", written as in the range's first cell and filled over
// it) into every cell of "Sheet!A1:B2" or "Sheet!A1", each keeping the value it holds, and marks
// that state: every later fill returns to it. A book with a mark is first put back there.
// Throws std::invalid_argument for a range that names no sheet, sheet::FormulaRejected for a
// formula that does not parse.
void override_formula(sheet::Book& book, std::string_view range, std::string_view formula);

// Geo A's backup run time as it was while a two-stage backup ran on its first stage whatever the
// bin's load: with the heat pump locked out while the backup runs, the large house has no rest
// state in the warm cities and its analysis goes round a cycle.
inline constexpr std::string_view kOldBackupRange = "Geo A!AP11:AP40";
inline constexpr std::string_view kOldBackupRunTime =
    "=IF((AJ11/(AO11*IF($K$10=1,$K$6,$J$6)))>1,1,(AJ11/(AO11*IF($K$10=1,$K$6,$J$6))))";
inline void old_backup_run_time(sheet::Book& book) {
  override_formula(book, kOldBackupRange, kOldBackupRunTime);
}

}  // namespace pellavan::wbdump
