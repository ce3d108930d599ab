#pragma once
// The kinds of file error the save commands tell apart, with the numbers the program's messages
// use for them. Qt-free, so that the file layers can say what went wrong.

#include <system_error>

namespace pellavan::platform {

inline constexpr int kDiskFullError = 61;
inline constexpr int kDriveNotReadyError = 71;
inline constexpr int kDialogCancelledError = 32755;

enum class DiskErrorKind { kDiskFull, kDriveNotReady, kDialogCancelled, kOther };

struct DiskError {
  DiskErrorKind kind = DiskErrorKind::kOther;
  int number = 0;  // the number the message shows
};

// A failed file operation: no space (or no room for a file that size) is a full disk, a missing
// medium or device is a drive that is not ready; any other error keeps its system number.
[[nodiscard]] DiskError disk_error_from(std::error_code ec);

[[nodiscard]] inline DiskError dialog_cancelled() {
  return {DiskErrorKind::kDialogCancelled, kDialogCancelledError};
}

}  // namespace pellavan::platform
