#include "workbook/filler/refused_figures.h"

#include <utility>

#include "model/project/system_kinds.h"

namespace pellavan::workbook {

std::vector<model::StoredFigure> refused_figures(StoredFigureCheck check,
                                                 model::ModelState& model) {
  std::vector<model::StoredFigure> refused;
  if (check == nullptr) return refused;
  const model::ProjectRec& rec = model.ProjectRec;
  for (model::StoredFigure& f : check(model))
    if (f.binds_analysis &&
        (f.system == model::SystemType::NoSystem || model::compared(rec, f.system)))
      refused.push_back(std::move(f));
  return refused;
}

const model::StoredFigure* FillContext::kept_out(model::SystemType type) const {
  if (type == model::SystemType::NoSystem) return nullptr;
  for (const model::StoredFigure& f : refused_figures)
    if (f.system == model::SystemType::NoSystem || f.system == type) return &f;
  return nullptr;
}

bool FillContext::analyses(model::SystemType type) const {
  return model::compared(model.ProjectRec, type) && kept_out(type) == nullptr;
}

FiguresKeptOut::FiguresKeptOut(model::ProjectRec& rec,
                               const std::vector<model::StoredFigure>& figures)
    : rec_(rec), figures_(figures) {
  for (const model::StoredFigure& f : figures_) {
    if (f.field.get == nullptr) continue;  // a damaged record
    kept_.push_back(f.field.get(rec_));
    f.field.set(rec_, 0);
  }
}

FiguresKeptOut::~FiguresKeptOut() {
  std::size_t k = kept_.size();
  for (std::size_t i = figures_.size(); i-- > 0;)
    if (figures_[i].field.get != nullptr) figures_[i].field.set(rec_, kept_[--k]);
}

}  // namespace pellavan::workbook
