#include "servers/local_http_server.h"

#include <sys/socket.h>
#include <sys/time.h>

#include <algorithm>

#include "servers/socket_io.h"

namespace pellavan::servers {
namespace {

constexpr auto kWait = 2000ms;
constexpr auto kStall = 10000ms;
constexpr auto kEndless = 10000ms;
constexpr char kTlsHandshake = 0x16;

}  // namespace

LocalHttpServer::LocalHttpServer()
    : server_(std::make_unique<LoopbackServer>(
          [this](int s, const std::atomic<bool>& stop) { answer(s, stop); })) {}

void LocalHttpServer::route(const std::string& path, HttpRoute r) {
  const std::lock_guard lock(mutex_);
  routes_[path] = std::move(r);
}

std::string LocalHttpServer::base_url() const {
  return "http://127.0.0.1:" + std::to_string(server_->port());
}

std::vector<std::string> LocalHttpServer::requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

void LocalHttpServer::answer(int s, const std::atomic<bool>& stop) {
  // A secure client's greeting gets a plain answer, which ends its handshake at once.
  char greeting = 0;
  if (wait_readable(s, stop, kWait) && ::recv(s, &greeting, 1, MSG_PEEK) == 1 &&
      greeting == kTlsHandshake) {
    send_all(s, "HTTP/1.1 400 Bad Request\r\n\r\n");
    return;
  }
  const auto head = read_until(s, "\r\n\r\n", stop, kWait);
  if (!head) return;
  const auto first = head->find(' ');
  const std::string path = head->substr(first + 1, head->find(' ', first + 1) - first - 1);
  HttpRoute r{.status = 404, .reason = "Not Found"};
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(*head);
    if (const auto it = routes_.find(path); it != routes_.end()) r = it->second;
  }
  using Flaw = HttpRoute::Flaw;
  if (r.flaw == Flaw::kStallBeforeHead) return idle(stop, kStall);
  std::string reply = "HTTP/1.1 " + std::to_string(r.status) + " " + r.reason + "\r\n";
  if (r.flaw != Flaw::kEndless)
    reply += "Content-Length: " + std::to_string(r.body.size()) + "\r\n";
  reply += "Connection: close\r\n";
  for (const auto& h : r.headers) reply += h + "\r\n";
  if (!send_all(s, reply + "\r\n")) return;
  if (r.flaw == Flaw::kEndless) {
    const timeval wait{1, 0};  // a client that stops reading does not hold the server
    ::setsockopt(s, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    const auto end = std::chrono::steady_clock::now() + kEndless;
    while (!stop && std::chrono::steady_clock::now() < end && send_all(s, r.body)) {
    }
    return;
  }
  const std::size_t piece = r.piece == 0 ? std::max<std::size_t>(1, r.body.size()) : r.piece;
  const bool halfway = r.flaw == Flaw::kStallInBody || r.flaw == Flaw::kCutInBody;
  const std::size_t sent = halfway ? r.body.size() / 2 : r.body.size();
  for (std::size_t at = 0; at < sent; at += piece) {
    if (!send_all(s, std::string_view(r.body).substr(at, std::min(piece, sent - at)))) return;
    if (r.piece != 0) idle(stop, r.pause);
  }
  if (r.flaw == Flaw::kStallInBody) idle(stop, kStall);
}

}  // namespace pellavan::servers
