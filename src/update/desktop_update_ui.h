#pragma once
// The version check on the desktop: its messages as the program's message boxes, the update
// page in the desktop's browser, the version file's fallback place in the user's cache folder.
// The update window is handed in as a function that shows it modally, so that the window,
// built on the window framework, plugs in here.

#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>

#include "update/update_ui.h"

namespace pellavan::update {

class DesktopWebBrowser final : public WebBrowser {
 public:
  void open(const std::string& url) override;
};

class DesktopUpdateUi final : public UpdateUi {
 public:
  // Shows the update window modally and returns when it is closed.
  using NoticeWindow = std::function<void(const UpdateNotice&)>;

  DesktopUpdateUi(QWidget* parent, NoticeWindow notice_window);

  void show_message(const UpdateMessage& message) override;
  void show_update_notice(const UpdateNotice& notice) override;
  // The busy cursor over the whole program; the calling window shows its wait text.
  void show_waiting(bool waiting) override;

 private:
  QPointer<QWidget> parent_;
  NoticeWindow notice_window_;
};

// The user's cache folder of the program.
[[nodiscard]] std::filesystem::path user_cache_folder();

}  // namespace pellavan::update
