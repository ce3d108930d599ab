#pragma once
// What a formula sees while it is computed: the book's cells, its own areas, the texts and the
// date of this recalculation.

#include <cstdint>

#include "sheet/cell.h"
#include "sheet/string_pool.h"

namespace pellavan::sheet {

// A block of cells in the book's flat cell array: cell (r, c) is values[first + r * stride + c].
// Clipped to the cells that exist; an area outside the sheet is not valid (#REF!).
struct ResolvedArea {
  std::uint32_t first = 0;
  std::uint32_t rows = 0;
  std::uint32_t cols = 0;
  std::uint32_t stride = 0;
  bool valid = true;
};

struct EvalContext {
  const Value* values = nullptr;        // of the book's cells
  const ResolvedArea* areas = nullptr;  // of the formula being computed
  StringPool* pool = nullptr;
  double today = 0.0;
};

}  // namespace pellavan::sheet
