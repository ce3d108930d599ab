#pragma once
// Ast back to formula text (without "="), as seen from the cell `origin`.

#include <functional>
#include <string>
#include <string_view>

#include "sheet/address.h"
#include "sheet/formula/ast.h"

namespace pellavan::sheet {

using SheetNameFn = std::function<std::string_view(int sheet)>;

std::string print_formula(const Ast& ast, CellPos origin, const SheetNameFn& sheet_name);

}  // namespace pellavan::sheet
