#include "platform/disk_error.h"

#include "platform/message_box.h"

namespace pellavan::platform {

bool Disk_Error(QWidget* parent, const DiskError& error) {
  switch (error.kind) {
    case DiskErrorKind::kDiskFull:
      return message_box(parent, {QStringLiteral("Disk Full, Insert New Disk"), kAppTitle,
                                  MessageIcon::Critical, MessageButtons::RetryCancel}) ==
             MessageResult::Retry;
    case DiskErrorKind::kDriveNotReady:
      return message_box(parent, {QStringLiteral("Disk Drive Not Ready!"), kAppTitle,
                                  MessageIcon::Question, MessageButtons::RetryCancel}) ==
             MessageResult::Retry;
    case DiskErrorKind::kDialogCancelled: return false;
    case DiskErrorKind::kOther: break;
  }
  message_box(parent, {QStringLiteral("General Error # %1 has occurred").arg(error.number),
                       kAppTitle, MessageIcon::Critical, MessageButtons::Ok});
  return false;
}

}  // namespace pellavan::platform
