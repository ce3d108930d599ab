#pragma once
// The report scroller of the reports window: moved onto a report whose entry is disabled, it
// jumps on to the next system's summary (moving right) or back to the previous system's graph
// (moving left) until it reaches an enabled report or a value without a jump.

#include <optional>

#include "reports/chosen_systems.h"

namespace pellavan::reports {

// Where the scroller jumps from value v when v's report is disabled; nullopt for no jump.
[[nodiscard]] std::optional<int> scroller_jump(int v);

struct ScrollerMove {
  int value;                 // where the scroller ends
  std::optional<int> shown;  // the report then shown; nullopt: the report on screen stays
};

// The scroller set to v (1..18).
[[nodiscard]] ScrollerMove move_scroller(int v, const ChosenSystems& chosen);

}  // namespace pellavan::reports
