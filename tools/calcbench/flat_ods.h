#pragma once
// A book as a flat OpenDocument spreadsheet (.fods, one XML file) that another spreadsheet
// program opens: every sheet and cell, constants as values, formulas in OpenDocument syntax
// with their present results, and the book's iteration settings (iteration on, the same pass
// cap and change limit). Styles, sizes and pictures are left out.

#include <ostream>

#include "sheet/book.h"

namespace pellavan::calcbench {

void write_flat_ods(const sheet::Book& book, std::ostream& out);

}  // namespace pellavan::calcbench
