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

namespace pellavan::servers {

struct HttpRoute {
  // How the answer goes wrong: it stalls (until the server stops) before its head or halfway
  // through the body, it ends halfway through the body, or it sends the body again and again
  // without a length (until the client leaves, for 10 s at most).
  enum class Flaw { kNone, kStallBeforeHead, kStallInBody, kCutInBody, kEndless };
  int status = 200;
  std::string reason = "OK";  // the status line's text, may be empty
  std::string body{};
  std::vector<std::string> headers{};   // further header lines ("Location: /x")
  std::size_t piece = 0;                // the body is sent in pieces this large; 0: at once
  std::chrono::milliseconds pause{20};  // between the pieces
  Flaw flaw = Flaw::kNone;
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

}  // namespace pellavan::servers
