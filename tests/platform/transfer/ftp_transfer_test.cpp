#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "platform/transfer/ftp_transfer.h"
#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_test_support.h"
#include "servers/local_ftp_server.h"

namespace pellavan::test {
namespace {

using platform::FTP;
using platform::TransferError;
using servers::LocalFtpServer;

struct Raised {
  std::int32_t number;
  std::string description;
  std::string source;
  bool operator==(const Raised&) const = default;
  friend void PrintTo(const Raised& r, std::ostream* os) {
    *os << r.number << " " << r.source << ": " << r.description;
  }
};

std::optional<Raised> raised_by(auto&& work) {
  try {
    work();
  } catch (const TransferError& e) {
    return Raised{e.number(), e.description(), e.source()};
  }
  return std::nullopt;
}

class FtpTransferTest : public ::testing::Test {
 protected:
  FtpTransferTest() { write_file(root.path() / "pub/readme.bin", body); }
  ScratchFolder root;
  ScratchFolder local;
  const std::string body = binary_body(5000);
};

TEST_F(FtpTransferTest, Downloads) {
  struct Row {
    const char* name;
    const char* password;  // the server's
    const char* path;
    std::optional<Raised> raised;
  };
  const Row rows[] = {
      {"a file from the root", platform::kFtpPassword, "/pub/readme.bin", std::nullopt},
      {"a missing file", platform::kFtpPassword, "/pub/none.bin",
       Raised{-2147216504, "Cannot start file transfer from '127.0.0.1'.",
              "FTP::ConnectToFTPHost"}},
      {"a bad login", "99999", "/pub/readme.bin",
       Raised{-2147217503, "Couldn't connect to server '127.0.0.1'.", "FTP::ConnectToFTPHost"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LocalFtpServer server(root.path(), platform::kFtpUserName, row.password);
    const std::string dest = local / "got.bin";
    std::filesystem::remove(dest);
    const auto got = raised_by([&] {
      FTP ftp(nullptr, kShortLimits);
      ftp.FtpURL(server.base_url() + row.path);
      ftp.DestinationFile(dest);
      ftp.ConnectToFTPHost("anyone", "secret");
      EXPECT_GE(ftp.SizeOfFile(), 1);
      ftp.WriteFTPDataToFile();
    });
    EXPECT_EQ(got, row.raised);
    if (row.raised) continue;
    EXPECT_EQ(file_text(dest), body);
    const auto commands = server.commands();
    for (const char* c : {"USER orvel", "PASS 40517", "TYPE I", "PASV"})
      EXPECT_NE(std::find(commands.begin(), commands.end(), c), commands.end()) << c;
  }
}

TEST_F(FtpTransferTest, Uploads) {
  const std::string upload = "5.02, uploaded\r\n";
  struct Row {
    const char* name;
    const char* destination;
    bool create;
    const char* lands;  // under the server's root; "" when nothing lands
    std::optional<Raised> raised;
  };
  const Row rows[] = {
      {"into folders it creates", "/pub/data/new.txt", true, "pub/data/new.txt", std::nullopt},
      {"relative to the login folder", "inbox/new.txt", true, "home/orvel/inbox/new.txt",
       std::nullopt},
      {"into an existing folder", "/pub/new.txt", false, "pub/new.txt", std::nullopt},
      {"into a missing folder", "/pub/data/new.txt", false, "",
       Raised{-2147211505, "550 data: No such folder.", "FTP"}},
  };
  write_file(local.path() / "up.txt", upload);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    LocalFtpServer server(root.path(), platform::kFtpUserName, platform::kFtpPassword);
    const auto got = raised_by([&] {
      FTP ftp(nullptr, kShortLimits);
      ftp.FtpURL(server.base_url() + "/");
      ftp.SourceFile(local / "up.txt");
      EXPECT_EQ(ftp.SizeOfFile(), static_cast<std::int64_t>(upload.size()));
      ftp.DestinationFile(row.destination);
      ftp.AutoCreateRemoteDir(row.create);
      ftp.ConnectToFTPHost();
      ftp.UploadFileToFTPServer();
    });
    EXPECT_EQ(got, row.raised);
    if (*row.lands != '\0') {
      EXPECT_EQ(file_text(root.path() / row.lands), upload);
    }
    std::filesystem::remove_all(root.path() / "pub/data");
    std::filesystem::remove_all(root.path() / "home/orvel/inbox");
  }
}

TEST_F(FtpTransferTest, SizesPast4GiBKeepTheirHighBits) {
  // A sparse file: nothing of it is written or sent.
  const std::int64_t size = (std::int64_t{1} << 32) + 5;
  write_file(local.path() / "big.bin", "");
  std::filesystem::resize_file(local.path() / "big.bin", static_cast<std::uintmax_t>(size));
  FTP ftp(nullptr, kShortLimits);
  ftp.SourceFile(local / "big.bin");
  EXPECT_EQ(ftp.SizeOfFile(), size);
}

TEST_F(FtpTransferTest, MisuseAndBadUrls) {
  LocalFtpServer server(root.path(), platform::kFtpUserName, platform::kFtpPassword);
  write_file(local.path() / "up.txt", "x");
  struct Row {
    const char* name;
    std::function<void(FTP&)> work;
    Raised raised;
  };
  const Row rows[] = {
      {"download asked of an upload",
       [&](FTP& f) {
         f.FtpURL(server.base_url() + "/");
         f.SourceFile(local / "up.txt");
         f.ConnectToFTPHost();
         f.WriteFTPDataToFile();
       },
       {-2147216504, "Wrong transfer method selected.", "FTP::WriteFTPDataToFile"}},
      {"no host",
       [](FTP& f) {
         f.FtpURL("ftp:///pub/x");
         f.ConnectToFTPHost();
       },
       {-2147220504, "Bad URL. \nftp:///pub/x\nPlease verify the hyperlink and try again.",
        "FTP::ConnectToFTPHost"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(raised_by([&] {
                FTP ftp(nullptr, kShortLimits);
                row.work(ftp);
              }),
              row.raised);
  }
}

}  // namespace
}  // namespace pellavan::test
