#pragma once
// Bringing circular groups to rest whose plain passes would not settle within the pass cap.
//
// Cycles: after each pass from pass kWatchFrom + 1 on in which a group moved a cell beyond the
// change limit, its values are compared with its values after the last kWindow such passes. When
// they are those of one of them again (every number within a thousandth of the limit, everything
// else identical), plain passes would go round that cycle for ever. A group whose inputs from
// other groups stand still, whose largest change over its last kStallPasses / 2 moving passes is
// not a hundredth smaller than over the kStallPasses / 2 before, and went up and down in them at
// least kStallPasses / 8 times, goes round a cycle too, if not an exact one: its round ends at the
// earlier state nearest the present one. Either way the group is settled at the mean of each
// cell over one round of its cycle (a cell that is no number in every state of the round keeps
// the value most states give it, of a tie the first in a fixed order of values) and is not
// computed again until an item it reads changes (a pass counter does not count: it changes every
// pass). Where it settles depends on the cycle, not on the pass its passes stopped in: started
// again from the mean or from any state of the round, plain passes go round the same cycle. The
// round's states are kept, so that one can see what follows from each. The recalculation takes a
// group's first two such verdicts as cues to change the order it visits the group's cells in, and
// settles it on the third (book_recalc.cpp).
//
// Crawls: when the largest change of a group that has not cycled has shrunk by the same ratio r
// (within 0.001) over its last kCrawlPasses moving passes, and at that ratio it would still move
// beyond the limit at the pass cap, every cell is moved on by its change of the pass times
// r / (1 - r), the rest of the geometric series it is on.
//
// A group that neither cycles nor crawls past the cap is never moved on nor settled: its passes
// are exactly the plain ones.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sheet/settled_cycle.h"
#include "sheet/value.h"

namespace pellavan::sheet {

class GroupSettling {
 public:
  static constexpr int kWindow = 64;
  static constexpr int kWatchFrom = 16;
  static constexpr int kCrawlPasses = 20;
  static constexpr int kStallPasses = 64;
  static constexpr double kStallShrink = 0.99;

  GroupSettling(std::size_t items, double change_limit, int max_passes)
      : items_(items), limit_(change_limit), max_passes_(max_passes) {}

  // Whether moved() compares the values of this pass with earlier ones; when it does not, they
  // need not be given.
  static bool watched(int pass) { return pass > kWatchFrom; }

  struct Verdict {
    double move_on = 0.0;  // the multiple of each cell's change of the pass to move it on by
    bool settle = false;   // the group cycles: its cells are to take mean(item)
  };
  // The item's values at the end of a pass in which it moved a cell beyond the limit, the
  // largest change of that pass, and whether an item it reads changed in the pass.
  Verdict moved(std::size_t item, int pass, std::span<const Value> values, double largest,
                bool inputs_changed);

  // Once moved() said settle: the values the item's cells take, and the round they came from.
  std::span<const Value> mean(std::size_t item) const { return items_[item].mean; }
  const SettledCycle& cycle(std::size_t item) const { return items_[item].cycle; }
  bool settled(std::size_t item) const { return items_[item].cycle.round > 0; }
  // An item it reads changed after it settled: it takes plain passes again, from scratch.
  void release(std::size_t item) { items_[item] = Item{}; }

 private:
  struct Item {
    std::vector<std::vector<Value>> history;     // values after earlier moving passes, a ring
    std::size_t next = 0;                        // the ring's slot to write next
    std::array<double, kStallPasses> changes{};  // largest changes of the last moving passes
    int counted = 0;                             // moving passes recorded since a move on
    SettledCycle cycle;                          // once settled
    std::vector<Value> mean;
  };
  bool same_state(std::span<const Value> a, std::span<const Value> b) const;
  // How many moving passes back the values were those of an earlier one (0: none); records them.
  std::size_t returned(Item& item, std::span<const Value> values);
  // How many moving passes back the values came nearest.
  static std::size_t nearest(const Item& item, std::span<const Value> values);
  static void record_change(Item& item, double largest);
  bool stalled(const Item& item) const;
  double crawl_factor(Item& item, int pass, double largest);
  // The last `round` recorded states become the item's cycle, their means its values.
  static void settle(Item& item, std::size_t index, std::size_t round);

  std::vector<Item> items_;
  double limit_;
  int max_passes_;
};

}  // namespace pellavan::sheet
