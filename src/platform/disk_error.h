#pragma once
// Disk_Error: the message of a failed file operation, with Retry where retrying can help.

#include "model/saving/write_failure.h"
#include "platform/disk_error_kind.h"

class QWidget;

namespace pellavan::platform {

// Disk full: "Disk Full, Insert New Disk" (Retry/Cancel, critical); drive not ready: "Disk
// Drive Not Ready!" (Retry/Cancel, question); a cancelled dialog: nothing; anything else:
// "General Error # n has occurred" (OK, critical). True only when the user chose Retry.
bool Disk_Error(QWidget* parent, const DiskError& error);

// A failed write: the same, with the failure's own words (which file or folder, and why) in
// place of the general error.
bool Disk_Error(QWidget* parent, const model::WriteFailure& failure);

}  // namespace pellavan::platform
