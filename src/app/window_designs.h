#pragma once
// Every window design of the program, so that one test can check them all: the start-up,
// main, disclaimer, about and dealer windows, and each window to come once it is built.

#include <span>

#include "platform/window_design.h"

namespace pellavan::app {

[[nodiscard]] std::span<const platform::WindowDesign* const> window_designs();

}  // namespace pellavan::app
