#include "platform/disk_error_kind.h"

#include <cerrno>

namespace pellavan::platform {

DiskError disk_error_from(std::error_code ec) {
  if (ec.category() == std::generic_category() || ec.category() == std::system_category()) {
    switch (ec.value()) {
      case ENOSPC:
      case EDQUOT:
      case EFBIG: return {DiskErrorKind::kDiskFull, kDiskFullError};
#ifdef ENOMEDIUM
      case ENOMEDIUM:
#endif
      case ENODEV:
      case ENXIO: return {DiskErrorKind::kDriveNotReady, kDriveNotReadyError};
      default: break;
    }
  }
  return {DiskErrorKind::kOther, ec.value()};
}

}  // namespace pellavan::platform
