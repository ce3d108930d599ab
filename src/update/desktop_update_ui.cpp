#include "update/desktop_update_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QStandardPaths>
#include <QUrl>
#include <utility>

#include "platform/message_box.h"

namespace pellavan::update {
namespace {

platform::MessageIcon to_platform(UpdateIcon icon) {
  switch (icon) {
    case UpdateIcon::kCritical: return platform::MessageIcon::Critical;
    case UpdateIcon::kExclamation: return platform::MessageIcon::Exclamation;
    case UpdateIcon::kInformation: return platform::MessageIcon::Information;
    case UpdateIcon::kNone: break;
  }
  return platform::MessageIcon::None;
}

}  // namespace

void DesktopWebBrowser::open(const std::string& url) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

DesktopUpdateUi::DesktopUpdateUi(QWidget* parent, NoticeWindow notice_window)
    : parent_(parent), notice_window_(std::move(notice_window)) {}

void DesktopUpdateUi::show_message(const UpdateMessage& message) {
  platform::MessageRequest request{QString::fromStdString(message.text)};
  request.title = QString::fromStdString(message.title);
  request.icon = to_platform(message.icon);
  platform::message_box(parent_, request);
}

void DesktopUpdateUi::show_update_notice(const UpdateNotice& notice) {
  if (notice_window_) notice_window_(notice);
}

void DesktopUpdateUi::show_waiting(bool waiting) {
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The download holds the event loop: the cursor and the caller's wait text must reach the
    // screen before it starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

std::filesystem::path user_cache_folder() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString();
}

}  // namespace pellavan::update
