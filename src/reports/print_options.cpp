#include "reports/print_options.h"

#include "reports/chosen_systems.h"

namespace pellavan::reports {

void PrintOptions::restore(model::ProjectRec& rec) { restore(rec, ChosenSystems::of(rec)); }

void PrintOptions::restore(model::ProjectRec& rec, const ChosenSystems& chosen) {
  const ChosenSystems in_columns = ChosenSystems::of(rec);
  for (const PrintBoxInfo& info : kPrintBoxes) {
    CheckBox& b = boxes_[static_cast<std::size_t>(info.box)];
    b.enabled = chosen.has(info.system);
    if (!in_columns.has(info.system)) rec.*info.field = 0;
    b.value = b.enabled ? rec.*info.field : model::Int16{0};
  }
  BlackWhite = rec.Print_BlackWhite == 1;
}

void PrintOptions::store(model::ProjectRec& rec) const {
  rec.Print_BlackWhite = BlackWhite ? 1 : 0;
  // A disabled box's field is 0 already, or the choice of a system not analysed this time.
  for (const PrintBoxInfo& info : kPrintBoxes)
    if (box(info.box).enabled) rec.*info.field = box(info.box).value;
}

void PrintOptions::set_value(PrintBox b, model::Int16 value) {
  CheckBox& target = boxes_[static_cast<std::size_t>(b)];
  if (target.enabled) target.value = value;
}

}  // namespace pellavan::reports
