#include "servers/socket_io.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <thread>

namespace pellavan::servers {
namespace {

constexpr auto kSlice = 50ms;

sockaddr_in loopback(int port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(static_cast<std::uint16_t>(port));
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

}  // namespace

int listen_on_loopback() {
  const int s = ::socket(AF_INET, SOCK_STREAM, 0);
  if (s < 0) return -1;
  const int yes = 1;
  ::setsockopt(s, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in a = loopback(0);
  if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(s, 8) != 0) {
    ::close(s);
    return -1;
  }
  return s;
}

int port_of(int socket) {
  sockaddr_in a{};
  socklen_t len = sizeof a;
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&a), &len);
  return ntohs(a.sin_port);
}

int unused_loopback_port() {
  const int s = listen_on_loopback();
  const int port = port_of(s);
  ::close(s);
  return port;
}

bool wait_readable(int socket, const std::atomic<bool>& stop, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!stop && std::chrono::steady_clock::now() < end) {
    pollfd p{socket, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(kSlice.count())) > 0) return true;
  }
  return false;
}

int accept_within(int listener, const std::atomic<bool>& stop, std::chrono::milliseconds limit) {
  return wait_readable(listener, stop, limit) ? ::accept(listener, nullptr, nullptr) : -1;
}

std::optional<std::string> read_until(int socket, std::string_view end,
                                      const std::atomic<bool>& stop,
                                      std::chrono::milliseconds limit) {
  std::string got;
  while (got.size() < end.size() || got.compare(got.size() - end.size(), end.size(), end) != 0) {
    char c = 0;
    if (!wait_readable(socket, stop, limit) || ::recv(socket, &c, 1, 0) != 1) return std::nullopt;
    got += c;
  }
  return got;
}

std::optional<std::string> read_to_close(int socket, const std::atomic<bool>& stop,
                                         std::chrono::milliseconds limit) {
  std::string got;
  char buffer[4096];
  for (;;) {
    if (!wait_readable(socket, stop, limit)) return std::nullopt;
    const auto n = ::recv(socket, buffer, sizeof buffer, 0);
    if (n <= 0) return got;
    got.append(buffer, static_cast<std::size_t>(n));
  }
}

bool send_all(int socket, std::string_view data) {
  while (!data.empty()) {
    const auto n = ::send(socket, data.data(), data.size(), MSG_NOSIGNAL);
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void idle(const std::atomic<bool>& stop, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!stop && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(kSlice);
}

void close_socket(int socket) {
  if (socket >= 0) ::close(socket);
}

}  // namespace pellavan::servers
