#include "platform/disk_error.h"

#include "platform/message_box.h"

namespace pellavan::platform {

namespace {

bool show_disk_error(QWidget* parent, const DiskError& error, const QString& other) {
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
  message_box(parent, {other, kAppTitle, MessageIcon::Critical, MessageButtons::Ok});
  return false;
}

}  // namespace

bool Disk_Error(QWidget* parent, const DiskError& error) {
  return show_disk_error(parent, error,
                         QStringLiteral("General Error # %1 has occurred").arg(error.number));
}

bool Disk_Error(QWidget* parent, const model::WriteFailure& failure) {
  return show_disk_error(parent, disk_error_from(failure.code),
                         QString::fromStdString(model::failure_words(failure)));
}

}  // namespace pellavan::platform
