#pragma once
// A book's formulas as code: what the compiler made of each shape, and machine code made ahead
// of time that runs in its place (tools/nativegen). For the tools and tests that handle code;
// the rest of the program sees only book.h.

#include <optional>
#include <string>

#include "sheet/book.h"
#include "sheet/calc/native_code.h"
#include "sheet/formula/code.h"

namespace pellavan::sheet {

const Code& shape_code(const Book& book, FormulaShapeId shape);
// Where a shape is first written, for finding its code: "Sheet!A1: =formula" of the first
// formula cell that has it, or nothing when no cell has.
std::optional<std::string> shape_origin(const Book& book, FormulaShapeId shape);
// Formulas whose code the table holds run its machine code from now on; null: none does. The
// table outlives the book.
void use_native_code(Book& book, const NativeCode* code);

}  // namespace pellavan::sheet
