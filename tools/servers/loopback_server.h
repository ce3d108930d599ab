#pragma once
// A server on 127.0.0.1 for the transfer tests: a thread accepts connections and each runs the
// session function on a thread of its own. Destroying the server sets `stop`, which every wait
// of socket_io.h watches, and joins all threads.

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pellavan::servers {

class LoopbackServer {
 public:
  using Session = std::function<void(int socket, const std::atomic<bool>& stop)>;

  explicit LoopbackServer(Session session);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  [[nodiscard]] int port() const { return port_; }

 private:
  void accept_loop();

  Session session_;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::thread> sessions_;
  std::thread acceptor_;
};

}  // namespace pellavan::servers
