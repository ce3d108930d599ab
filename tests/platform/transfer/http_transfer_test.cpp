#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <vector>

#include "platform/transfer/http_transfer.h"
#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_test_support.h"
#include "servers/local_http_server.h"
#include "servers/socket_io.h"

namespace pellavan::test {
namespace {

using platform::HTTP;
using platform::TransferError;
using servers::HttpRoute;
using servers::LocalHttpServer;
using servers::unused_loopback_port;
using Flaw = HttpRoute::Flaw;

struct Raised {
  std::int32_t number;
  std::string description;
  std::string source;
};

// One download of /f into a file: what the file holds afterwards, or what was raised.
struct Outcome {
  bool connected = false;
  std::optional<Raised> raised;
  std::optional<std::string> file;  // nothing: no file
  std::int64_t size = 0;
};

Outcome download(const std::string& url, const ScratchFolder& dir,
                 const platform::TransferLimits& limits = kShortLimits) {
  Outcome out;
  const std::string dest = dir / "got.txt";
  try {
    HTTP http(nullptr, limits);
    http.HttpURL(url);
    http.DestinationFile(dest);
    out.connected = http.ConnectToHTTPHost();
    out.size = http.SizeOfFile();
    if (out.connected) http.WriteHTTPDataToFile();
  } catch (const TransferError& e) {
    out.raised = Raised{e.number(), e.description(), e.source()};
  }
  if (std::filesystem::exists(dest)) out.file = file_text(dest);
  return out;
}

TEST(HttpTransferTest, StatusesBodiesAndErrors) {
  const std::string big = binary_body(5000);
  const std::string connect = "HTTP::ConnectToHTTPHost";
  struct Row {
    const char* name;
    HttpRoute route;
    std::optional<std::string> file;
    std::optional<Raised> raised;
    std::int64_t size;  // SizeOfFile at most this and at least 1; 0: exactly 0
  };
  std::vector<Row> rows = {
      {"5000 bytes as 4096 + 904", {.body = big, .piece = 4096}, big, std::nullopt, 4096},
      {"empty body, empty file", {}, "", std::nullopt, 1},
      {"206 passes",
       {.status = 206, .reason = "Partial Content", .body = "5.02"},
       "5.02",
       std::nullopt,
       4},
      {"404 with its text",
       {.status = 404, .reason = "Not Found", .body = "gone"},
       std::nullopt,
       Raised{-2147219504, "Object not found. Bad URL.", connect},
       0},
      {"redirect to a 200",
       {.status = 302, .reason = "Found", .headers = {"Location: /final"}},
       "5.02",
       std::nullopt,
       4},
  };
  // Statuses without a text pass like 200.
  for (const int status : {202, 308, 418, 429, 599})
    rows.push_back({"status without a text",
                    {.status = status, .reason = "", .body = "5.02"},
                    "5.02",
                    std::nullopt,
                    4});
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " " + std::to_string(row.route.status));
    LocalHttpServer server;
    server.route("/f", row.route);
    server.route("/final", {.body = "5.02"});
    ScratchFolder dir;
    const Outcome got = download(server.base_url() + "/f", dir);
    EXPECT_EQ(got.file, row.file);
    if (row.size == 0) {
      EXPECT_EQ(got.size, 0);
    } else {
      EXPECT_TRUE(got.size >= 1 && got.size <= row.size) << got.size;
    }
    ASSERT_EQ(got.raised.has_value(), row.raised.has_value());
    if (!row.raised) continue;
    EXPECT_EQ(got.raised->number, row.raised->number);
    EXPECT_EQ(got.raised->source, row.raised->source);
    if (!row.raised->description.empty()) {
      EXPECT_EQ(got.raised->description, row.raised->description);
    }
  }
}

TEST(HttpTransferTest, AStallEndsTheTransferASlowOneRunsOn) {
  using namespace std::chrono_literals;
  const platform::TransferLimits limits{.connect = 1000ms, .stall = 400ms};
  const std::string body = binary_body(1000);
  struct Row {
    const char* name;
    HttpRoute route;
    bool whole;
  };
  const Row rows[] = {
      {"100 bytes every 100 ms", {.body = body, .piece = 100, .pause = 100ms}, true},
      {"stalled halfway", {.body = body, .flaw = Flaw::kStallInBody}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LocalHttpServer server;
    server.route("/f", row.route);
    ScratchFolder dir;
    const auto start = std::chrono::steady_clock::now();
    const Outcome got = download(server.base_url() + "/f", dir, limits);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, 2s);
    if (row.whole) {
      EXPECT_GT(took, 2 * limits.stall);
      EXPECT_EQ(got.file, body);
      EXPECT_FALSE(got.raised);
    } else {
      EXPECT_FALSE(got.file);
      ASSERT_TRUE(got.raised);
      EXPECT_EQ(got.raised->description, "The transfer stalled: nothing moved for 0.4 s.");
    }
  }
}

TEST(HttpTransferTest, AFailedTransferNamesItsReasonAndLeavesNoFile) {
  const std::string big = binary_body(5000);
  struct Row {
    const char* name;
    HttpRoute route;
    const char* scheme;
    const char* source;
    std::string description;  // a text ending in ": " is followed by libcurl's account
  };
  const Row rows[] = {
      {"body cut short",
       {.body = big, .flaw = Flaw::kCutInBody},
       "http",
       "HTTP::WriteHTTPDataToFile",
       "The answer was cut short: 2500 of 5000 bytes arrived."},
      {"redirect loop",
       {.status = 302, .reason = "Found", .headers = {"Location: /f"}},
       "http",
       "HTTP::ConnectToHTTPHost",
       "The server redirects without end: "},
      {"redirect to a file",
       {.status = 302, .reason = "Found", .headers = {"Location: file:///etc/passwd"}},
       "http",
       "HTTP::ConnectToHTTPHost",
       "The server redirects to 'file:///etc/passwd', which is refused."},
      {"no secure connection",
       {.body = "5.02"},
       "https",
       "HTTP::ConnectToHTTPHost",
       "The secure connection was refused: "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LocalHttpServer server;
    server.route("/f", row.route);
    ScratchFolder dir;
    const Outcome got = download(row.scheme + server.base_url().substr(4) + "/f", dir);
    EXPECT_FALSE(got.file);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
    ASSERT_TRUE(got.raised);
    EXPECT_EQ(got.raised->number,
              platform::transfer_error_number(platform::transfer_code::kTransferFailed));
    EXPECT_EQ(got.raised->source, row.source);
    if (row.description.ends_with(": ")) {
      EXPECT_TRUE(got.raised->description.starts_with(row.description)) << got.raised->description;
    } else {
      EXPECT_EQ(got.raised->description, row.description);
    }
  }
}

TEST(HttpTransferTest, UrlsThatCannotBeUsed) {
  struct Row {
    const char* url;
    std::int32_t number;
    const char* description;
  };
  const Row rows[] = {
      {"http:///kqverok.txt", -2147220504,
       "Bad URL. \nhttp:///kqverok.txt\nPlease verify the hyperlink and try again."},
      {"not a url at all", -2147218504, "An unknown error occurred."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.url);
    ScratchFolder dir;
    const Outcome got = download(row.url, dir);
    ASSERT_TRUE(got.raised);
    EXPECT_EQ(got.raised->number, row.number);
    EXPECT_EQ(got.raised->description, row.description);
    EXPECT_EQ(got.raised->source, "HTTP::ConnectToHTTPHost");
  }
}

TEST(HttpTransferTest, NoAnswerIsNoConnectionWithinTheTimeLimit) {
  LocalHttpServer stalled;
  stalled.route("/f", {.flaw = Flaw::kStallBeforeHead});
  const std::string urls[] = {"http://127.0.0.1:" + std::to_string(unused_loopback_port()) + "/f",
                              stalled.base_url() + "/f"};
  for (const auto& url : urls) {
    SCOPED_TRACE(url);
    ScratchFolder dir;
    const auto start = std::chrono::steady_clock::now();
    const Outcome got = download(url, dir);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_FALSE(got.connected);
    EXPECT_FALSE(got.raised);
    EXPECT_FALSE(got.file);
  }
}

TEST(HttpTransferTest, RequestNamesItsAgentAndRefusesCaches) {
  LocalHttpServer server;
  server.route("/f", {.body = "Version 5.02\r\n"});
  HTTP http(nullptr, kShortLimits);
  http.HttpURL(server.base_url() + "/f");
  ASSERT_TRUE(http.ConnectToHTTPHost());
  EXPECT_EQ(http.WriteHTTPDataToString(), "Version 5.02\r\n");
  ASSERT_EQ(server.requests().size(), 1u);
  const std::string head = server.requests()[0];
  for (const char* line : {"User-Agent: WinInet-FileTransferObjects\r\n",
                           "Cache-Control: no-cache\r\n", "Pragma: no-cache\r\n"})
    EXPECT_NE(head.find(line), std::string::npos) << line;
}

TEST(HttpTransferTest, DestinationPromptRules) {
  struct Row {
    const char* name;
    bool exists, overwrite, prompt;
    bool answered;  // the prompt names another file
    bool asked;
    const char* written;  // "dest", "other" or "" for none
  };
  const Row rows[] = {
      {"new file", false, false, false, true, false, "dest"},
      {"existing file replaced when allowed", true, true, false, true, false, "dest"},
      {"existing file asks", true, false, false, true, true, "other"},
      {"existing file, prompt cancelled", true, false, false, false, true, ""},
      {"prompt asked for", false, true, true, true, true, "other"},
  };
  LocalHttpServer server;
  server.route("/f", {.body = "new"});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    ScratchFolder dir;
    const std::string dest = dir / "dest.txt";
    const std::string other = dir / "other.txt";
    if (row.exists) write_file(dest, "old");
    RecordingPrompts prompts(row.answered ? other : "");
    {
      HTTP http(&prompts, kShortLimits);
      http.HttpURL(server.base_url() + "/f");
      http.DestinationFile(dest);
      http.OverwriteTarget(row.overwrite);
      http.PromptWithCommonDialog(row.prompt);
      http.hwnd(42);
      ASSERT_TRUE(http.ConnectToHTTPHost());
      EXPECT_NO_THROW(http.WriteHTTPDataToFile());
    }
    ASSERT_EQ(prompts.asked.size(), row.asked ? 1u : 0u);
    if (row.asked) {
      EXPECT_EQ(prompts.asked[0].title, "Please select a new name for the destination file.");
      EXPECT_FALSE(prompts.asked[0].open_mode);
      EXPECT_EQ(prompts.asked[0].owner, 42u);
      EXPECT_EQ(prompts.asked[0].start_folder, std::filesystem::current_path().string());
    }
    const std::string w = row.written;
    EXPECT_EQ(file_text(dest), w == "dest" ? "new" : row.exists ? "old" : "");
    EXPECT_EQ(std::filesystem::exists(other), w == "other");
    if (w == "other") {
      EXPECT_EQ(file_text(other), "new");
    }
  }
}

TEST(HttpTransferTest, DestinationInAMissingFolderWritesNothing) {
  LocalHttpServer server;
  server.route("/f", {.body = "5.02"});
  ScratchFolder dir;
  HTTP http(nullptr, kShortLimits);
  http.HttpURL(server.base_url() + "/f");
  http.DestinationFile(dir / "missing/got.txt");
  ASSERT_TRUE(http.ConnectToHTTPHost());
  EXPECT_NO_THROW(http.WriteHTTPDataToFile());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

}  // namespace
}  // namespace pellavan::test
