// A marked state of every cell, and the return to it.
#include <algorithm>

#include "sheet/book_impl.h"
#include "sheet/errors.h"

namespace pellavan::sheet {

struct Book::Impl::Mark {
  std::vector<Grid> grids;
  std::vector<Cell> cells;
  std::vector<Value> values;
  std::vector<FormulaCell> formulas;
  std::vector<std::uint32_t> slot_cells;
  std::vector<ResolvedArea> areas;
  Schedule schedule;
  std::uint64_t structure_version = 0;
};

void Book::Impl::mark_state() {
  if (structure_dirty_ || !dropped_.empty()) rebuild_structure();
  meta_changed_.clear();
  mark_ = std::make_shared<const Mark>(
      Mark{grids_, cells_, values_, formulas_, slot_cells_, areas_, schedule_, structure_version_});
}

// While the structure stands as it was marked, only the values need copying back, with the
// cells whose formula or style changed, and formulas overwritten since come alive again; a
// formula added or a grid grown since brings back the marked structure as well.
void Book::Impl::return_to_mark() {
  if (!mark_) throw BadCall("no state of the book was marked");
  const Mark& m = *mark_;
  if (structure_version_ != m.structure_version || structure_dirty_) {
    const std::vector<Grid> grown = grids_;
    grids_ = m.grids;
    formulas_ = m.formulas;
    slot_cells_ = m.slot_cells;
    areas_ = m.areas;
    schedule_ = m.schedule;
    structure_version_ = m.structure_version;
    structure_dirty_ = false;
    cells_ = m.cells;
    values_ = m.values;
    // Grids grown since keep their size, in the mark too: the next writes that grew them then
    // find their cells without another relayout and rebuild.
    bool relaid = false;
    for (std::size_t s = 0; s < grown.size() && s < grids_.size(); ++s) {
      if (grown[s].rows <= grids_[s].rows && grown[s].cols <= grids_[s].cols) continue;
      relayout(static_cast<int>(s), std::max(grown[s].rows, grids_[s].rows),
               std::max(grown[s].cols, grids_[s].cols));
      relaid = true;
    }
    if (relaid) {
      mark_state();
    } else {
      build_evals();
    }
  } else {
    for (const FormulaId f : dropped_) {
      formulas_[f].live = true;
      set_eval_live(f, true);
    }
    if (meta_changed_.size() > cells_.size() / 8) {
      std::copy(m.cells.begin(), m.cells.end(), cells_.begin());
    } else {
      for (const std::uint32_t i : meta_changed_) cells_[i] = m.cells[i];
    }
    std::copy(m.values.begin(), m.values.end(), values_.begin());
  }
  dropped_.clear();
  meta_changed_.clear();
  touch();
}

}  // namespace pellavan::sheet
