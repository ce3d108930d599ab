#pragma once
// Ending the program at once, without a failure: the user's Exit. No window is notified and no
// further event runs. Tests replace the end with a handler that records it (and may throw).

#include <functional>

namespace pellavan::platform {

using EndHandler = std::function<void()>;

// Installs a handler; returns the previous one. The default flushes output and exits with 0.
EndHandler set_end_handler(EndHandler handler);

// Runs the handler; when a test handler returns, so does this.
void end_run();

}  // namespace pellavan::platform
