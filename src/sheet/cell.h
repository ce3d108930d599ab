#pragma once
// One cell of a sheet's grid: its value (a formula's last result for a formula cell), the
// formula it holds if any, and its style. 16 bytes.

#include <cstdint>

#include "sheet/value.h"

namespace pellavan::sheet {

using StyleId = std::uint16_t;
using FormulaId = std::uint32_t;
inline constexpr FormulaId kNoFormula = 0xFFFFFFFFu;

enum class CellKind : std::uint8_t { kEmpty, kConstant, kFormula };

struct Cell {
  Value value;
  FormulaId formula = kNoFormula;
  StyleId style = 0;

  CellKind kind() const {
    if (formula != kNoFormula) return CellKind::kFormula;
    return value.is_empty() ? CellKind::kEmpty : CellKind::kConstant;
  }
};

static_assert(sizeof(Cell) == 16);

}  // namespace pellavan::sheet
