#pragma once
// A small HTTP server on 127.0.0.1: each path answers as its route says, every request head is
// kept. A path without a route answers 404.

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "servers/loopback_server.h"

namespace pellavan::test {

struct HttpRoute {
  enum class Stall { kNone, kBeforeHead, kInBody };
  int status = 200;
  std::string reason = "OK";  // the status line's text, may be empty
  std::string body{};
  std::vector<std::string> headers{};   // further header lines ("Location: /x")
  std::size_t piece = 0;                // the body is sent in pieces this large; 0: at once
  std::chrono::milliseconds pause{20};  // between the pieces
  Stall stall = Stall::kNone;           // waits (until the server stops) instead of answering
};

class LocalHttpServer {
 public:
  LocalHttpServer();
  void route(const std::string& path, HttpRoute r);
  // "http://127.0.0.1:port"
  [[nodiscard]] std::string base_url() const;
  [[nodiscard]] std::vector<std::string> requests() const;

 private:
  void answer(int socket, const std::atomic<bool>& stop);

  mutable std::mutex mutex_;
  std::map<std::string, HttpRoute> routes_;
  std::vector<std::string> requests_;
  std::unique_ptr<LoopbackServer> server_;  // last: stops before the routes go
};

}  // namespace pellavan::test
