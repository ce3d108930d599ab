#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <vector>

#include "platform/message_box.h"
#include "url_catcher.h"
#include "update/desktop_update_ui.h"
#include "update/update_notice.h"

namespace pellavan::update {
namespace {

using testing::UrlCatcher;

TEST(DesktopUpdateUiTest, MessagesAreTheProgramsBoxes) {
  std::vector<platform::MessageRequest> boxes;
  const auto previous = platform::set_message_hook([&](const platform::MessageRequest& r) {
    boxes.push_back(r);
    return platform::MessageResult::Ok;
  });
  DesktopUpdateUi ui(nullptr, {});
  struct Row {
    UpdateIcon icon;
    platform::MessageIcon shown;
  };
  const Row rows[] = {{UpdateIcon::kNone, platform::MessageIcon::None},
                      {UpdateIcon::kCritical, platform::MessageIcon::Critical},
                      {UpdateIcon::kExclamation, platform::MessageIcon::Exclamation},
                      {UpdateIcon::kInformation, platform::MessageIcon::Information}};
  for (const Row& r : rows) ui.show_message({"text\nline", "HTTP::ConnectToHTTPHost", r.icon});
  platform::set_message_hook(previous);
  ASSERT_EQ(boxes.size(), std::size(rows));
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].text, "text\nline");
    EXPECT_EQ(boxes[i].title, "HTTP::ConnectToHTTPHost");
    EXPECT_EQ(boxes[i].icon, rows[i].shown);
    EXPECT_EQ(boxes[i].buttons, platform::MessageButtons::Ok);
  }
}

TEST(DesktopUpdateUiTest, TheWaitShowsTheBusyCursor) {
  DesktopUpdateUi ui(nullptr, {});
  ui.show_waiting(true);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  ui.show_waiting(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(DesktopUpdateUiTest, NoticeWindowAndBrowser) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
  DesktopWebBrowser browser;
  const UpdateNotice notice("5.0.01", "5.0.20", "http://127.0.0.1:9/index/pellavan_ok", browser);
  std::vector<std::string> shown;
  DesktopUpdateUi ui(nullptr, [&](const UpdateNotice& n) {
    shown.push_back(n.notice_text());
    n.OpenWebPage();
  });
  ui.show_update_notice(notice);
  QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
  EXPECT_EQ(shown, std::vector<std::string>{notice.notice_text()});
  ASSERT_EQ(catcher.urls.size(), 1u);
  EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("http://127.0.0.1:9/index/pellavan_ok")));
}

}  // namespace
}  // namespace pellavan::update
