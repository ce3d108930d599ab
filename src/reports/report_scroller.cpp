#include "reports/report_scroller.h"

#include <array>
#include <utility>

#include "reports/report_table.h"

namespace pellavan::reports {

namespace {

// Rightwards onto a summary, on to the next summary; leftwards onto a graph, back to the graph
// before it (the comparison graph before Geo T's). No chain returns to where it started.
constexpr std::array<std::pair<int, int>, 9> kJumps = {{
    {3, 7},
    {6, 2},
    {7, 10},
    {9, 6},
    {10, 13},
    {12, 9},
    {13, 16},
    {15, 12},
    {18, 15},
}};

}  // namespace

std::optional<int> scroller_jump(int v) {
  for (const auto& [from, to] : kJumps) {
    if (from == v) return to;
  }
  return std::nullopt;
}

ScrollerMove move_scroller(int v, const ChosenSystems& chosen) {
  for (;;) {
    if (report_enabled(report(v), chosen)) return {v, v};
    const std::optional<int> next = scroller_jump(v);
    if (!next) return {v, std::nullopt};
    v = *next;
  }
}

}  // namespace pellavan::reports
