#pragma once
// "Ends the program": the one way a failure stops the program at once, after its message.
// No window is notified and nothing is saved. The handler is replaceable so that the program
// can show a message box first, and tests can turn the end into an exception they catch.

#include <functional>
#include <string>

namespace pellavan::platform {

// Shows the message; must not return (the default prints to stderr and exits with status 1).
using FatalHandler = std::function<void(const std::string& message)>;

// Installs a handler and returns the previous one.
FatalHandler set_fatal_handler(FatalHandler handler);

// Calls the handler. If it returns, the process ends anyway.
[[noreturn]] void end_program(const std::string& message);

}  // namespace pellavan::platform
