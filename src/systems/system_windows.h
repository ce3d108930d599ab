#pragma once
// The registration of the five system windows and the bin viewer, for the program and for tests
// that open them without the program's own windows.

#include "program_state/app_state.h"

namespace pellavan::systems {

void register_system_windows(program_state::AppState& state);

}  // namespace pellavan::systems
