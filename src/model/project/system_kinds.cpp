#include "model/project/system_kinds.h"

#include <stdexcept>
#include <string>

namespace pellavan::model {

const SystemKind& system_kind(SystemType type) {
  for (const SystemKind& kind : kSystemKinds)
    if (kind.type == type) return kind;
  throw std::out_of_range("no system of code " + std::to_string(code_of(type)));
}

bool compared(const ProjectRec& rec, SystemType type) {
  const Int16 code = code_of(type);
  return rec.System1_Type == code || rec.System2_Type == code || rec.System3_Type == code;
}

}  // namespace pellavan::model
