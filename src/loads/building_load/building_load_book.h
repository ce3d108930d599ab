#pragma once
// BuildingLoadWorkbook: the one-sheet workbook that turns the design loads and the city's climate
// into the net and hot-water load of each outdoor-temperature bin, the heating correction, the
// internal gains and the balance point. Its template is text compiled into the program, and its
// formulas' code is compiled to C++ at build time (pellavan-nativegen --book loads).

#include "loads/building_load/building_load_text.h"
#include "sheet/book.h"

namespace pellavan::sheet {
class NativeCode;  // sheet/calc/native_code.h
}

namespace pellavan::loads {

// The template's formula code compiled ahead of time.
const sheet::NativeCode& building_load_native_code();

// A fresh workbook as the template stores it, its formulas running their compiled code,
// calculated once.
sheet::Book make_building_load_book();

}  // namespace pellavan::loads
