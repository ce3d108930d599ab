#pragma once
// The figures of the compared systems that the analysis could not settle on. Where a circular
// group of the workbook goes round a cycle, the engine settles it at the mean of its states over
// one round (sheet/calc/group_settling.h); the results follow from that mean. Each cost and loop
// length of the systems the project compares is looked at in every state of the round too: one
// that spans more than 2 % of its figure, and more than $10 a year or 10 ft of loop, is named to
// the user with the range it lies in (results_words.h). The results stay usable.
//
// In each state only the formulas that are not circular are computed again
// (sheet::Book::put_cycle_state): another circular group that reads a cycled one keeps its
// settled values in every state, so a figure behind such a group can show too narrow a range,
// or none. In the sample project's city sweep (pellavan-wbdump --sweep) one group at a time goes
// round a cycle, and no other circular group reads it.

#include <string_view>
#include <vector>

#include "model/project/system_type.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

struct FigureSpan {
  std::string_view system;    // "Geo A"
  std::string_view quantity;  // "heating cost"
  bool money = true;          // a year's cost; else a loop length in ft
  double figure = 0;          // as the results give it
  double low = 0;             // the least and the most of the figure and of its states
  double high = 0;
  model::SystemType type = model::SystemType::NoSystem;  // of the system

  // Spans more than its limits.
  [[nodiscard]] bool unsettled() const;
  // The span as a share of the figure, in %.
  [[nodiscard]] double percent() const;
};

// Every cost and loop length of the compared systems with its span over the states of the
// cycles of `recalc`, the workbook's last recalculation; empty when no group went round one.
// Puts each state into the workbook to read it, and leaves every value as the recalculation left
// it.
[[nodiscard]] std::vector<FigureSpan> figure_spans(FillContext& ctx,
                                                   const sheet::RecalcReport& recalc);

// The figures of the compared systems and where they stand in the workbook, for comparing one
// analysis of a project with another: each figure figure_spans() looks at.
struct ComparedFigure {
  std::string_view system;
  std::string_view quantity;
  double figure = 0;
};
[[nodiscard]] std::vector<ComparedFigure> compared_figures(const FillContext& ctx);

}  // namespace pellavan::workbook
