// The formulas a recalculation can spare: those outside the circular groups that read only values
// the last recalculation left as they are. Everything the iteration computes is computed again.
#include "sheet/book.h"

namespace pellavan::sheet {

// Marks what changed since the last recalculation: every cell some formula reads, formulas
// aside. Without a memo of this structure, every formula is computed.
void Book::begin_memo() {
  const bool usable = memo_.layout == layout_ && memo_.values.size() == cells_.size();
  memo_.layout = 0;  // until this recalculation ends
  if (!usable) {
    build_readers();
    memo_.values.assign(cells_.size(), Value());
    memo_.holds.assign(formulas_.size(), 0);
    memo_.dirty.assign(formulas_.size(), 0);
  }
  for (const std::uint32_t c : memo_.read_cells) {
    const Cell& cell = cells_[c];
    if (cell.formula != kNoFormula && formulas_[cell.formula].live) continue;
    if (same_bits(cell.value, memo_.values[c])) continue;
    memo_.values[c] = cell.value;
    mark_readers(c);
  }
}

void Book::mark_readers(std::uint32_t cell) {
  for (std::uint32_t k = memo_.readers_first[cell]; k < memo_.readers_first[cell + 1]; ++k)
    memo_.dirty[memo_.readers[k]] = 1;
}

// A formula that reads what it read last time gets its value of last time back: a reset of the
// book may have put an older one in its cell. One overwritten by a constant since holds nothing.
void Book::compute_unless_known(std::uint32_t formula) {
  const FormulaCell& f = formulas_[formula];
  const std::uint32_t c = f.cell;
  if (f.live && memo_.holds[formula] && !memo_.dirty[formula]) {
    cells_[c].value = memo_.values[c];
    return;
  }
  memo_.dirty[formula] = 0;
  compute(formula);
  memo_.holds[formula] = f.live && !f.is_volatile;
  if (same_bits(cells_[c].value, memo_.values[c])) return;
  memo_.values[c] = cells_[c].value;
  mark_readers(c);
}

// The iteration's results, for the formulas computed after it.
void Book::note_loop_results() {
  for (const std::uint32_t formula : schedule_.loop_cells) {
    const std::uint32_t c = formulas_[formula].cell;
    if (same_bits(cells_[c].value, memo_.values[c])) continue;
    memo_.values[c] = cells_[c].value;
    mark_readers(c);
  }
}

}  // namespace pellavan::sheet
