#include "systems/conventional/system_description.h"

#include <string>

#include "model/text/ascii.h"

namespace pellavan::systems {

void describe_system(model::ProjectRec& rec, model::SystemType kind, std::string_view unit_name) {
  const std::string text = std::string(model::trim_blanks(unit_name)) + " System";
  const auto column = [&](model::Int16 type, model::Int16 freeze, auto& description) {
    if (type == model::code_of(kind) && freeze == 0) description = text;
  };
  column(rec.System1_Type, rec.System1_Freeze, rec.System1_Description);
  column(rec.System2_Type, rec.System2_Freeze, rec.System2_Description);
  column(rec.System3_Type, rec.System3_Freeze, rec.System3_Description);
}

}  // namespace pellavan::systems
