#include "reports/print_options.h"

#include "reports/chosen_systems.h"

namespace pellavan::reports {

void PrintOptions::restore(model::ProjectRec& rec) {
  const ChosenSystems chosen = ChosenSystems::of(rec);
  for (const PrintBoxInfo& info : kPrintBoxes) {
    CheckBox& b = boxes_[static_cast<std::size_t>(info.box)];
    b.enabled = chosen.has(info.system);
    if (!b.enabled) rec.*info.field = 0;
    b.value = rec.*info.field;
  }
  BlackWhite = rec.Print_BlackWhite == 1;
}

void PrintOptions::store(model::ProjectRec& rec) const {
  rec.Print_BlackWhite = BlackWhite ? 1 : 0;
  for (const PrintBoxInfo& info : kPrintBoxes) rec.*info.field = box(info.box).value;
}

void PrintOptions::set_value(PrintBox b, model::Int16 value) {
  CheckBox& target = boxes_[static_cast<std::size_t>(b)];
  if (target.enabled) target.value = value;
}

}  // namespace pellavan::reports
