#pragma once
// A book as lines of text, for reviewers and tests: one line per cell that holds anything, sheet
// by sheet, row by row: sheet name, A1 address, the value as GetCellText gives it and the
// formula with its "=" (empty for a constant), separated by tabs.

#include <ostream>

#include "sheet/book.h"

namespace pellavan::wbdump {

void dump_book(const sheet::Book& book, std::ostream& out);

}  // namespace pellavan::wbdump
