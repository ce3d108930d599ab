#pragma once
// The program's version and legal notice as the build records them.

#include <QString>

namespace pellavan::app {

// "5.0.01": major and minor as plain numbers, the revision with at least two digits.
[[nodiscard]] QString version_text(int major, int minor, int revision);

// The running program's version text.
[[nodiscard]] QString program_version_text();

// The legal notice of the program's version information.
[[nodiscard]] QString legal_notice();

}  // namespace pellavan::app
