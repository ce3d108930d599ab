#include "model/project/system_kinds.h"

#include <stdexcept>
#include <string>

namespace pellavan::model {

const SystemKind& system_kind(SystemType type) {
  for (const SystemKind& kind : kSystemKinds)
    if (kind.type == type) return kind;
  throw std::out_of_range("no system of code " + std::to_string(code_of(type)));
}

}  // namespace pellavan::model
