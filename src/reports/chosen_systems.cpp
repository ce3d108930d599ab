#include "reports/chosen_systems.h"

namespace pellavan::reports {

ChosenSystems ChosenSystems::of(const model::ProjectRec& rec) {
  ChosenSystems chosen;
  for (const model::Int16 code : {rec.System1_Type, rec.System2_Type, rec.System3_Type}) {
    model::SystemType kind{};
    if (model::system_type_from_code(code, kind)) chosen.choose(kind);
  }
  return chosen;
}

void ChosenSystems::choose(model::SystemType kind) {
  if (kind != model::SystemType::NoSystem)
    codes_.set(static_cast<std::size_t>(model::code_of(kind)));
}

void ChosenSystems::drop(model::SystemType kind) {
  if (kind == model::SystemType::NoSystem)
    codes_.reset();
  else
    codes_.reset(static_cast<std::size_t>(model::code_of(kind)));
}

bool ChosenSystems::has(model::SystemType kind) const {
  return kind == model::SystemType::NoSystem ||
         codes_.test(static_cast<std::size_t>(model::code_of(kind)));
}

}  // namespace pellavan::reports
