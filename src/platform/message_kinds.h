#pragma once
// The program's title and the message icons, defined with the model's refusals, which name them.

#include "model/input/message_kinds.h"

namespace pellavan::platform {

using model::kAppTitle;
using model::MessageIcon;

}  // namespace pellavan::platform
