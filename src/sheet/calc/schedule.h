#pragma once
// The order in which a recalculation computes the formulas, made once per change of structure.
//
// Formulas that no circular group feeds are computed once, first (`before`); formulas that only
// read finished results are computed once, last (`after`). In between lies the loop region: every
// circular group, and every plain formula that a group feeds and that feeds a group. Each pass of
// the iteration visits the region's items in dependency order; a circular group visits its cells
// in dependency order with its cycles broken at the back edges of a depth-first search over
// precedents that starts from the group's cells in sheet order (formula ids are in sheet order).

#include <cstdint>
#include <span>
#include <vector>

#include "sheet/calc/dependency_graph.h"

namespace pellavan::sheet {

struct LoopItem {
  std::uint32_t first = 0;  // its cells are Schedule::loop_cells[first .. end)
  std::uint32_t end = 0;
  bool circular = false;      // a circular group (else a plain formula between groups)
  bool counter = false;       // a single formula that reads only itself in a cycle (a pass counter)
  bool read_in_loop = false;  // another item of the loop region reads it
  std::uint32_t inputs_first =
      0;  // the items it reads: Schedule::item_inputs[inputs_first .. inputs_end)
  std::uint32_t inputs_end = 0;

  // Cells whose changes decide whether the iteration goes on.
  bool counted() const { return circular && !counter; }
};

struct Schedule {
  std::vector<std::uint32_t> before;
  std::vector<std::uint32_t> loop_cells;
  std::vector<LoopItem> items;
  std::vector<std::uint32_t> item_inputs;
  std::vector<std::uint32_t> after;
  // For loop_cells[k], the formulas of the loop region that read it, by their place in
  // loop_cells: loop_readers[loop_readers_first[k] .. loop_readers_first[k + 1]). Only what the
  // region's formulas read from each other changes while it iterates.
  std::vector<std::uint32_t> loop_readers_first;
  std::vector<std::uint32_t> loop_readers;

  std::span<const std::uint32_t> cells(const LoopItem& item) const {
    return {loop_cells.data() + item.first, loop_cells.data() + item.end};
  }
  std::span<const std::uint32_t> readers_of(std::size_t loop_index) const {
    return {loop_readers.data() + loop_readers_first[loop_index],
            loop_readers.data() + loop_readers_first[loop_index + 1]};
  }
  std::span<const std::uint32_t> inputs(const LoopItem& item) const {
    return {item_inputs.data() + item.inputs_first, item_inputs.data() + item.inputs_end};
  }
};

Schedule build_schedule(const DependencyGraph& graph);

}  // namespace pellavan::sheet
