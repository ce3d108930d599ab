#pragma once
// The formula cells a recalculation of a book iterates: its circular groups and the plain
// formulas a group feeds that feed a group (the loop region of sheet/calc/schedule.h). Every
// other formula is computed once from finished values, so another spreadsheet program started
// from our solution should give it to the last bit. The book keeps its order of calculation to
// itself: this works it out again from the formulas' text, with the engine's own graph.

#include <unordered_set>

#include "sheet/book.h"

namespace pellavan::calcbench {

// f(pos) for every cell in the used block of every sheet, in sheet order.
template <class F>
void for_each_used_cell(const sheet::Book& book, F f) {
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r) {
      for (int c = used->first_col; c <= used->last_col; ++c) f(sheet::CellPos{s, r, c});
    }
  }
}

// Throws std::runtime_error when a formula does not parse again, or when the book's last
// recalculation found other circular groups (of other sizes).
std::unordered_set<sheet::CellPos> loop_region(const sheet::Book& book);

}  // namespace pellavan::calcbench
