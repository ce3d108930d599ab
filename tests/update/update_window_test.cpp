// The program's version check with its update window, against a server of the test's own: a
// newer version opens UpdateVersion2 with the notice, its link opens the update page and leaves
// the window open, Close ends it; the current version shows no window.
#include <gtest/gtest.h>

#include <QApplication>
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

// Version 5.0.1 in the program folder, asking the server.
VersionCheckSetup setup_for(const test::ScratchFolder& program,
                            const servers::LocalHttpServer& server) {
  VersionCheckSetup setup;
  setup.program_folder = program.path();
  setup.cache_folder = program.path() / "cache";
  setup.version = {5, 0, 1, "5.0.01"};
  setup.site.maker_host = server.base_url();
  setup.limits = test::kShortLimits;
  return setup;
}

TEST(UpdateWindowTest, ANewerVersionShowsTheNoticeWhoseLinkOpensThePage) {
  struct Row {
    const char* version_file;
    int windows;
  };
  const Row rows[] = {{"5.02\r\n", 1}, {"5.01\r\n", 0}};
  for (const Row& row : rows) {
    servers::LocalHttpServer server;
    server.route("/kqverok.txt", {.body = row.version_file});
    test::ScratchFolder program;
    const VersionCheckSetup setup = setup_for(program, server);
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

// The test servers' bad answers, through the program's boxes: each is a failure told, none says
// the version is current, and the busy cursor of the wait is gone before any box shows.
TEST(UpdateWindowTest, BadAnswersAreFailuresToldWithoutTheBusyCursor) {
  const std::string html = "<!DOCTYPE html><html><body>Error</body></html>";
  const servers::HttpRoute rows[] = {{.status = 418, .reason = "", .body = html},
                                     {.status = 999, .reason = "", .body = html},
                                     {.body = html},
                                     {.body = std::string(256, '\0')},
                                     {.body = "1e400"}};
  for (const servers::HttpRoute& route : rows) {
    SCOPED_TRACE(route.status);
    servers::LocalHttpServer server;
    server.route("/kqverok.txt", route);
    test::ScratchFolder program;
    std::filesystem::create_directories(program.path() / "Data");
    const VersionCheckSetup setup = setup_for(program, server);
    std::vector<QString> boxes;
    const auto previous_box = platform::set_message_hook([&](const platform::MessageRequest& r) {
      EXPECT_EQ(QApplication::overrideCursor(), nullptr);
      boxes.push_back(r.text);
      return platform::MessageResult::Ok;
    });
    ProgramVersionCheck(setup, nullptr).Check_ForUpdate();
    platform::set_message_hook(previous_box);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(boxes[1].startsWith("An Internet Connection is Not Available"));
    for (const QString& box : boxes) EXPECT_FALSE(box.contains("lastest"));
  }
}

}  // namespace
}  // namespace pellavan::update
