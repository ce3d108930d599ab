#pragma once
// The registrations that need more than a factory, one function each, called from
// register_windows.

#include "program_state/app_state.h"

namespace pellavan::app {

// The reports window Form5, the graphs every fill draws and the fill of the main window's
// Reports command.
void register_reports(program_state::AppState& state);

// The on-line version check behind "&Check for Updates", with its update window.
void register_version_check(program_state::AppState& state);

}  // namespace pellavan::app
