// The program's version check with its update window, against a server of the test's own: a
// newer version opens UpdateVersion2 with the notice, its link opens the update page and leaves
// the window open, Close ends it; the current version shows no window.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "platform/message_box.h"
#include "url_catcher.h"
#include "platform/modal.h"
#include "platform/transfer/transfer_test_support.h"
#include "servers/local_http_server.h"
#include "update/window/program_version_check.h"
#include "update/window/update_window.h"

namespace pellavan::update {
namespace {

using testing::UrlCatcher;

TEST(UpdateWindowTest, ANewerVersionShowsTheNoticeWhoseLinkOpensThePage) {
  struct Row {
    const char* version_file;
    int windows;
  };
  const Row rows[] = {{"5.02\r\n", 1}, {"5.01\r\n", 0}};
  for (const Row& row : rows) {
    test::LocalHttpServer server;
    server.route("/kqverok.txt", {.body = row.version_file});
    test::ScratchFolder program;
    VersionCheckSetup setup;
    setup.program_folder = program.path();
    setup.cache_folder = program.path() / "cache";
    setup.version = {5, 0, 1, "5.0.01"};
    setup.site.maker_host = server.base_url();
    setup.limits = test::kShortLimits;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    const auto previous_box = platform::set_message_hook(
        [](const platform::MessageRequest&) { return platform::MessageResult::Ok; });
    int windows = 0;
    const auto previous = platform::set_modal_hook([&](QDialog& window) {
      ++windows;
      window.show();  // activation fills the notice
      EXPECT_EQ(window.objectName(), "UpdateVersion2");
      EXPECT_EQ(window.windowTitle(), UpdateNotice::kCaption);
      auto& w = dynamic_cast<UpdateWindow&>(window);
      EXPECT_TRUE(w.form()
                      .label("lblTextUpdate")
                      ->text()
                      .startsWith("Your version of  Pellavan (5.0.01) is not current. The latest "
                                  "version is (5.0.20)."));
      QTest::mouseClick(w.form().label("Label1"), Qt::LeftButton);
      EXPECT_TRUE(w.isVisible()) << "the window stays open after the link";
      w.form().button("Command1")->click();
      EXPECT_FALSE(w.isVisible());
      return w.result();
    });
    ProgramVersionCheck(setup, nullptr).Check_ForUpdate();
    platform::set_modal_hook(previous);
    platform::set_message_hook(previous_box);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    EXPECT_EQ(windows, row.windows);
    EXPECT_EQ(catcher.urls.size(), static_cast<std::size_t>(row.windows));
  }
}

}  // namespace
}  // namespace pellavan::update
