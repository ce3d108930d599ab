#pragma once
// The states a circular group went round in a recalculation, at whose mean it was settled.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "sheet/value.h"

namespace pellavan::sheet {

// One round of the cycle a group was settled in: its cells' values after each of its passes that
// moved a cell beyond the limit (the only ones recorded), in the order of the passes.
struct SettledCycle {
  std::uint32_t item = 0;     // the group's place among the loop region's items
  std::uint32_t round = 0;    // states of one round
  std::vector<Value> states;  // round × cells, the cells in the loop region's order

  std::size_t cells() const { return round == 0 ? 0 : states.size() / round; }
  // The k-th state counted on round the cycle from the first: state k modulo the round.
  std::span<const Value> state(std::size_t k) const {
    return {states.data() + (k % round) * cells(), cells()};
  }
};

}  // namespace pellavan::sheet
