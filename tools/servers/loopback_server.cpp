#include "servers/loopback_server.h"

#include <utility>

#include "servers/socket_io.h"

namespace pellavan::servers {

LoopbackServer::LoopbackServer(Session session)
    : session_(std::move(session)), listener_(listen_on_loopback()), port_(port_of(listener_)) {
  acceptor_ = std::thread([this] { accept_loop(); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  acceptor_.join();
  for (auto& t : sessions_) t.join();
  close_socket(listener_);
}

void LoopbackServer::accept_loop() {
  while (!stop_) {
    const int s = accept_within(listener_, stop_, 100ms);
    if (s < 0) continue;
    const std::lock_guard lock(mutex_);
    sessions_.emplace_back([this, s] {
      session_(s, stop_);
      close_socket(s);
    });
  }
}

}  // namespace pellavan::servers
