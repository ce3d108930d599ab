#pragma once
// The analysis workbook's template with a range's formula replaced: a developer's way to see what
// another formula would make of a job (pellavan-wbdump --override), and the tests' way to a job
// whose analysis goes round a cycle (old_backup_template).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sheet/address.h"
#include "sheet/book.h"

namespace pellavan::wbdump {

// "Sheet!A1:B2" or "Sheet!A1" of `book`; nullopt when it names no sheet of it or no cells.
[[nodiscard]] std::optional<sheet::RangePos> find_range(const sheet::Book& book,
                                                        std::string_view range);

// A formula a developer puts into a range in place of the template's: "Sheet!A1:B2" or
// "Sheet!A1", and the formula (with or without its "=") as written in the range's first cell.
struct FormulaOverride {
  std::string range;
  std::string formula;
};

// A purpose-built analysis workbook: the template with each override written over its range in
// the sheet's text, loaded as the template is (workbook::load_report_template), so that every
// fill starts from that state (a developer's way to see what another formula would make of a
// job, pellavan-wbdump --override). The cells keep the template's settled values. Throws
// std::invalid_argument for a range that names no sheet of the template or no cells,
// sheet::BookFileError for a formula that does not parse.
[[nodiscard]] sheet::Book template_with(std::span<const FormulaOverride> overrides);

// Geo A's backup run time as it was while a two-stage backup ran on its first stage whatever the
// bin's load: with the heat pump locked out while the backup runs, the large house has no rest
// state in the warm cities and its analysis goes round a cycle.
inline constexpr std::string_view kOldBackupRange = "Geo A!AP11:AP40";
inline constexpr std::string_view kOldBackupRunTime =
    "=IF((AJ11/(AO11*IF($K$10=1,$K$6,$J$6)))>1,1,(AJ11/(AO11*IF($K$10=1,$K$6,$J$6))))";
// The template with that run time: the tests' way to a job whose analysis goes round a cycle.
[[nodiscard]] inline sheet::Book old_backup_template() {
  const FormulaOverride old{std::string(kOldBackupRange), std::string(kOldBackupRunTime)};
  return template_with({&old, 1});
}

}  // namespace pellavan::wbdump
