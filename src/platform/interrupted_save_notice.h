#pragma once
// What an open tells the user of a save that was cut off before the file was whole again, or
// that another program is still making.

#include <filesystem>

#include "model/saving/interrupted_save.h"

class QWidget;

namespace pellavan::platform {

// Restored: the file's name and that the version being saved has been restored (OK, no icon).
// Not restored: the file's name, that it cannot be opened, and why (critical, "Warning!"); the
// result is then false and the open goes no further. Being saved by another program: the file's
// name and that (critical, "Warning!"), false. Nothing found: no box, true.
bool tell_interrupted_save(QWidget* parent, const std::filesystem::path& path,
                           const model::InterruptedSave& found);

}  // namespace pellavan::platform
