#pragma once
// The reference by which the windows and the tables below them name a control; defined with the
// model's tables, which carry it.

#include "model/input/control_ref.h"

namespace pellavan::platform {

using model::ControlRef;

}  // namespace pellavan::platform
