#pragma once
// A small FTP server on 127.0.0.1 serving the files under a folder of the test: one account,
// login folder /home/orvel, passive transfers only. Knows USER, PASS, PWD, CWD, CDUP, MKD,
// TYPE, PASV, SIZE, RETR, STOR, SYST, NOOP and QUIT; every command received is kept.

#include <filesystem>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "servers/loopback_server.h"

namespace pellavan::servers {

class LocalFtpServer {
 public:
  static constexpr const char* kLoginFolder = "/home/orvel";

  LocalFtpServer(std::filesystem::path root, std::string user, std::string password);
  // "ftp://127.0.0.1:port"
  [[nodiscard]] std::string base_url() const;
  [[nodiscard]] std::vector<std::string> commands() const;

 private:
  void session(int socket, const std::atomic<bool>& stop);

  std::filesystem::path root_;
  std::string user_;
  std::string password_;
  mutable std::mutex mutex_;
  std::vector<std::string> commands_;
  std::unique_ptr<LoopbackServer> server_;  // last: stops before the rest goes
};

}  // namespace pellavan::servers
