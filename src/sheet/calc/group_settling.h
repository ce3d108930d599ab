#pragma once
// Bringing circular groups to rest whose plain passes would not settle within the pass cap.
//
// Cycles: after each pass from pass kWatchFrom + 1 on in which a group moved a cell beyond the
// change limit, its values are compared with its values after the last kWindow such passes. When
// they are those of one of them again (every number within a thousandth of the limit, everything
// else identical), plain passes would go round that cycle for ever: from then on the group keeps
// only half of each change its formulas compute (its step is 1/2), and after every kHalvingPasses
// further passes in which it still moves a cell beyond the limit, half of that again. It comes to
// rest between the states of its cycle once no cell moves by more than the limit. A group whose
// inputs from other groups stand still, whose largest change over its last kStallPasses / 2
// moving passes is no smaller than over the kStallPasses / 2 before, and went up and down in them
// at least kStallPasses / 8 times, goes round a cycle too, if not an exact one: it is relaxed
// alike.
//
// Crawls: when the largest change of a group that has not cycled has shrunk by the same ratio r
// (within 0.001) over its last kCrawlPasses moving passes, and at that ratio it would still move
// beyond the limit at the pass cap, every cell is moved on by its change of the pass times
// r / (1 - r), the rest of the geometric series it is on.
//
// A group that neither cycles nor crawls past the cap keeps the step 1 and is never moved on: its
// passes are exactly the plain ones.

#include <array>
#include <cstddef>
#include <span>
#include <vector>

#include "sheet/value.h"

namespace pellavan::sheet {

class GroupSettling {
 public:
  static constexpr int kWindow = 64;
  static constexpr int kWatchFrom = 16;
  static constexpr int kHalvingPasses = 4;
  static constexpr int kCrawlPasses = 20;
  static constexpr int kStallPasses = 64;

  GroupSettling(std::size_t items, double change_limit, int max_passes)
      : items_(items), limit_(change_limit), max_passes_(max_passes) {}

  // Whether moved() compares the values of this pass with earlier ones; when it does not, they
  // need not be given.
  static bool watched(int pass) { return pass > kWatchFrom; }

  // The share of each computed change that the item's cells take.
  double step(std::size_t item) const { return items_[item].step; }
  bool relaxed(std::size_t item) const { return items_[item].step < 1.0; }

  // The item's values at the end of a pass in which it moved a cell beyond the limit, the
  // largest change of that pass, and whether an item it reads changed in the pass. Returns the
  // multiple of each cell's change in that pass by which to move the cell on: 0 unless the item
  // crawls.
  double moved(std::size_t item, int pass, std::span<const Value> values, double largest,
               bool inputs_changed);

 private:
  struct Item {
    double step = 1.0;
    int halved_at = 0;                           // pass of the last change of the step
    std::vector<std::vector<Value>> history;     // values after earlier moving passes, a ring
    std::size_t next = 0;                        // the ring's slot to write next
    std::array<double, kStallPasses> changes{};  // largest changes of the last moving passes
    int counted = 0;                             // moving passes recorded since a move on
  };
  bool same_state(std::span<const Value> a, std::span<const Value> b) const;
  bool returned(Item& item, std::span<const Value> values);
  static void record_change(Item& item, double largest);
  bool stalled(const Item& item) const;
  double crawl_factor(Item& item, int pass, double largest);

  std::vector<Item> items_;
  double limit_;
  int max_passes_;
};

}  // namespace pellavan::sheet
