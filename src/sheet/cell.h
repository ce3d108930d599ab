#pragma once
// One cell of a sheet's grid besides its value: the formula it holds if any, and its style.
// The values live in an array of their own, so that a recalculation reads and writes them densely.

#include <cstdint>

#include "sheet/value.h"

namespace pellavan::sheet {

using StyleId = std::uint16_t;
using FormulaId = std::uint32_t;
inline constexpr FormulaId kNoFormula = 0xFFFFFFFFu;

enum class CellKind : std::uint8_t { kEmpty, kConstant, kFormula };

struct Cell {
  FormulaId formula = kNoFormula;
  StyleId style = 0;
};

static_assert(sizeof(Cell) == 8);

inline CellKind kind_of(const Cell& cell, Value value) {
  if (cell.formula != kNoFormula) return CellKind::kFormula;
  return value.is_empty() ? CellKind::kEmpty : CellKind::kConstant;
}

}  // namespace pellavan::sheet
