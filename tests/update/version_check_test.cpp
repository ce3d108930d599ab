#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_test_support.h"
#include "servers/local_http_server.h"
#include "servers/socket_io.h"
#include "update/update_notice.h"
#include "update/update_ui.h"
#include "update/version_check.h"

namespace pellavan::update {
namespace {

using servers::HttpRoute;
using Flaw = HttpRoute::Flaw;
namespace fs = std::filesystem;

}  // namespace

void PrintTo(const UpdateMessage& m, std::ostream* os) {
  *os << "{" << m.text << " | " << m.title << " | " << static_cast<int>(m.icon) << "}";
}

namespace {

struct RecordingBrowser : WebBrowser {
  void open(const std::string& url) override { opened.push_back(url); }
  std::vector<std::string> opened;
};

// Records every message; shows the notice by recording its text and clicking its link; keeps
// the order of the wait and what followed it.
struct RecordingUi : UpdateUi {
  void show_message(const UpdateMessage& m) override {
    messages.push_back(m);
    events.emplace_back("box");
  }
  void show_update_notice(const UpdateNotice& n) override {
    notices.push_back(n.notice_text());
    events.emplace_back("notice");
    n.OpenWebPage();
  }
  void show_waiting(bool waiting) override { events.emplace_back(waiting ? "wait" : "done"); }
  std::vector<UpdateMessage> messages;
  std::vector<std::string> notices;
  std::vector<std::string> events;
};

const UpdateMessage kLatest{"You have the lastest version of Pellavan", "Version 5.0.01",
                            UpdateIcon::kInformation};
const UpdateMessage kNoConnection{
    "An Internet Connection is Not Available to Check for Updates\n\n"
    "         Please Check Your Connection and Try Again",
    "Pellavan", UpdateIcon::kExclamation};
const std::string kNewer =
    "Your version of  Pellavan (5.0.01) is not current. The latest version is (5.0.20). To "
    "ensure having the most recent features and data please download the latest version from "
    "our web site by clicking on the link below.  Be sure to close this session of Pellavan "
    "before installing your update.";
constexpr const char* kOldCopy = "4.00\r\n";

// The error box of a transfer error, which the no-connection message follows.
UpdateMessage error_box(int code, const std::string& description, const char* source) {
  return {std::to_string(platform::transfer_error_number(code)) + "\n" + description, source,
          UpdateIcon::kCritical};
}

// A failed check: its error box, then the no-connection message.
std::vector<UpdateMessage> refused(int code, const std::string& description) {
  return {error_box(code, description, "Check_ForUpdate"), kNoConnection};
}
std::vector<UpdateMessage> refused_status(int status) {
  return refused(2000, "The server answered with status " + std::to_string(status) +
                           " instead of the version file.");
}
const std::vector<UpdateMessage> kNoVersionFile =
    refused(6000, "The answer of the server is not a version file.");
const std::string kHtmlPage = "<!DOCTYPE html><html><body><h1>Error</h1></body></html>\r\n";

std::vector<std::string> names_in(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

class VersionCheckTest : public ::testing::Test {
 protected:
  VersionCheckSetup setup(const std::string& host) const {
    VersionCheckSetup s;
    s.program_folder = program.path();
    s.cache_folder = program.path() / "cache";
    s.version = {5, 0, 1, "5.0.01"};
    s.site.maker_host = host;
    s.limits = test::kShortLimits;
    return s;
  }
  void check(const VersionCheckSetup& s) { VersionCheck(s, ui, browser).Check_ForUpdate(); }

  test::ScratchFolder program;
  RecordingUi ui;
  RecordingBrowser browser;
};

TEST_F(VersionCheckTest, AnswersOfTheServer) {
  struct Row {
    const char* name;
    HttpRoute route;
    std::vector<UpdateMessage> messages;
    bool newer;         // the update window, its link clicked
    const char* local;  // the local copy afterwards
  };
  std::vector<Row> rows = {
      {"current version", {.body = "5.01\r\n"}, {kLatest}, false, "5.01\r\n"},
      {"older on the web", {.body = "5.001,\"old\"\r\n"}, {kLatest}, false, "5.001,\"old\"\r\n"},
      {"newer version", {.body = "5.02\r\n"}, {}, true, "5.02\r\n"},
      {"empty file", {}, kNoVersionFile, false, kOldCopy},
      {"a 200 with an HTML page", {.body = kHtmlPage}, kNoVersionFile, false, kOldCopy},
      {"a body of NUL bytes", {.body = std::string(512, '\0')}, kNoVersionFile, false, kOldCopy},
      {"a number beyond any version", {.body = "1e400\r\n"}, kNoVersionFile, false, kOldCopy},
      {"redirect to a 200",
       {.status = 302, .reason = "Found", .headers = {"Location: /moved"}},
       {},
       true,
       "5.02\r\n"},
      {"404",
       {.status = 404, .reason = "Not Found", .body = "5.02"},
       {error_box(2000, "Object not found. Bad URL.", "HTTP::ConnectToHTTPHost"), kNoConnection},
       false,
       kOldCopy},
      {"stalled server", {.flaw = Flaw::kStallBeforeHead}, {kNoConnection}, false, kOldCopy},
      {"stalled in the body",
       {.body = "5.02" + std::string(4000, ' '), .flaw = Flaw::kStallInBody},
       {error_box(6000, "The transfer stalled: nothing moved for 1 s.",
                  "HTTP::WriteHTTPDataToFile"),
        kNoConnection},
       false,
       kOldCopy},
      {"body cut short",
       {.body = "5.02" + std::string(4000, ' '), .flaw = Flaw::kCutInBody},
       {error_box(6000, "The answer was cut short: 2002 of 4004 bytes arrived.",
                  "HTTP::WriteHTTPDataToFile"),
        kNoConnection},
       false,
       kOldCopy},
      {"endless answer",
       {.body = "5.02\r\n" + std::string(4090, ' '), .flaw = Flaw::kEndless},
       {error_box(6000, "The answer is larger than 65536 bytes.", "HTTP::WriteHTTPDataToFile"),
        kNoConnection},
       false,
       kOldCopy},
  };
  for (const int status : {202, 308, 418, 429, 511, 599, 999})
    rows.push_back({"status without a text",
                    {.status = status, .reason = "", .body = status < 500 ? "5.01\r\n" : kHtmlPage},
                    refused_status(status),
                    false,
                    kOldCopy});
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.route.status));
    servers::LocalHttpServer server;
    server.route("/kqverok.txt", row.route);
    server.route("/moved", {.body = "5.02\r\n"});
    test::write_file(program.path() / "Data/kqverok.txt", kOldCopy);
    ui = {};
    browser = {};
    const auto start = std::chrono::steady_clock::now();
    check(setup(server.base_url()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(ui.messages, row.messages);
    EXPECT_EQ(ui.notices,
              row.newer ? std::vector<std::string>{kNewer} : std::vector<std::string>{});
    EXPECT_EQ(browser.opened,
              row.newer ? std::vector<std::string>{server.base_url() + "/index/pellavan_ok"}
                        : std::vector<std::string>{});
    EXPECT_EQ(test::file_text(program.path() / "Data/kqverok.txt"), row.local);
    // The wait ends before anything is shown.
    ASSERT_GE(ui.events.size(), 2u);
    EXPECT_EQ(ui.events[0], "wait");
    EXPECT_EQ(ui.events[1], "done");
    EXPECT_EQ(names_in(program.path() / "Data"), std::vector<std::string>{"kqverok.txt"});
  }
}

TEST_F(VersionCheckTest, ConnectionRefusedIsOneMessage) {
  fs::create_directories(program.path() / "Data");
  check(setup("http://127.0.0.1:" + std::to_string(servers::unused_loopback_port())));
  EXPECT_EQ(ui.messages, std::vector<UpdateMessage>{kNoConnection});
}

TEST_F(VersionCheckTest, WithoutADataFolderTheCacheFolderServes) {
  servers::LocalHttpServer server;
  server.route("/kqverok.txt", {.body = "5.01"});
  check(setup(server.base_url()));
  EXPECT_EQ(ui.messages, (std::vector<UpdateMessage>{{"ERROR 191992992"}, kLatest}));
  EXPECT_EQ(test::file_text(program.path() / "cache/kqverok.txt"), "5.01");
}

TEST_F(VersionCheckTest, EditionWithoutVersionFileEndsTheCheck) {
  servers::LocalHttpServer server;
  fs::create_directories(program.path() / "Data");
  VersionCheckSetup s = setup(server.base_url());
  s.edition = 4;
  check(s);
  EXPECT_EQ(ui.messages,
            std::vector<UpdateMessage>{
                {"Unknown Version of Pellavan - Please Contact Oskerby Software Support"}});
  EXPECT_TRUE(server.requests().empty());
}

}  // namespace
}  // namespace pellavan::update
