#pragma once
// Ast to Code. IF becomes jumps, so only the branch taken is computed.

#include "sheet/formula/ast.h"
#include "sheet/formula/code.h"
#include "sheet/string_pool.h"

namespace pellavan::sheet {

Code compile_formula(const Ast& ast, StringPool& pool);

}  // namespace pellavan::sheet
