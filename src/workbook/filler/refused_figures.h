#pragma once
// The stored figures an analysis is not run on: those its windows would refuse (FillContext::
// stored_check) of the loads and rates, and of the systems the project compares. The load
// calculation, the minimum backup and the fill each see them as 0; the record gets its own values
// back after, so the project keeps what its file holds until the user corrects it.

#include <vector>

#include "model/input/stored_figures.h"
#include "model/model_state.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// None without a check.
[[nodiscard]] std::vector<model::StoredFigure> refused_figures(StoredFigureCheck check,
                                                               const model::ModelState& model);

class FiguresKeptOut {
 public:
  FiguresKeptOut(model::ProjectRec& rec, std::vector<model::StoredFigure> figures);
  FiguresKeptOut(const FiguresKeptOut&) = delete;
  FiguresKeptOut& operator=(const FiguresKeptOut&) = delete;
  ~FiguresKeptOut();

 private:
  model::ProjectRec& rec_;
  std::vector<model::StoredFigure> figures_;
  std::vector<double> kept_;
};

}  // namespace pellavan::workbook
