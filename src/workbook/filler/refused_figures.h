#pragma once
// The stored figures and catalogue records an analysis is not run on: those its windows would
// refuse (FillContext::stored_check) of the loads and rates, and of the systems the project
// compares, and the damaged records those systems rest on. The load calculation and the minimum
// backup take them as a parameter; the fill writes each figure as 0 while it writes its inputs
// (FiguresKeptOut), and the record gets its own values back after, so the project keeps what its
// file holds until the user corrects it.

#include <vector>

#include "model/input/stored_figures.h"
#include "model/model_state.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// None without a check.
[[nodiscard]] std::vector<model::StoredFigure> refused_figures(StoredFigureCheck check,
                                                               model::ModelState& model);

class FiguresKeptOut {
 public:
  FiguresKeptOut(model::ProjectRec& rec, const std::vector<model::StoredFigure>& figures);
  FiguresKeptOut(const FiguresKeptOut&) = delete;
  FiguresKeptOut& operator=(const FiguresKeptOut&) = delete;
  ~FiguresKeptOut();

 private:
  model::ProjectRec& rec_;
  const std::vector<model::StoredFigure>& figures_;
  std::vector<double> kept_;
};

}  // namespace pellavan::workbook
