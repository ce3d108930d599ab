#include "servers/local_http_server.h"

#include <algorithm>

#include "servers/socket_io.h"

namespace pellavan::test {
namespace {

constexpr auto kWait = 2000ms;
constexpr auto kStall = 10000ms;

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
  if (r.stall == HttpRoute::Stall::kBeforeHead) return idle(stop, kStall);
  std::string reply = "HTTP/1.1 " + std::to_string(r.status) + " " + r.reason + "\r\n";
  reply += "Content-Length: " + std::to_string(r.body.size()) + "\r\nConnection: close\r\n";
  for (const auto& h : r.headers) reply += h + "\r\n";
  if (!send_all(s, reply + "\r\n")) return;
  const std::size_t piece = r.piece == 0 ? std::max<std::size_t>(1, r.body.size()) : r.piece;
  const std::size_t sent = r.stall == HttpRoute::Stall::kInBody ? r.body.size() / 2 : r.body.size();
  for (std::size_t at = 0; at < sent; at += piece) {
    if (!send_all(s, std::string_view(r.body).substr(at, std::min(piece, sent - at)))) return;
    if (r.piece != 0) idle(stop, r.pause);
  }
  if (r.stall == HttpRoute::Stall::kInBody) idle(stop, kStall);
}

}  // namespace pellavan::test
