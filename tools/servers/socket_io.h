#pragma once
// Loopback sockets for the test servers: every wait has a time limit and gives up when `stop`
// is set, so a server thread always ends.

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace pellavan::servers {

using namespace std::chrono_literals;

// A socket listening on 127.0.0.1 at a free port; -1 on failure.
int listen_on_loopback();
int port_of(int socket);
// A port on 127.0.0.1 that nothing listens on (bound, then closed).
int unused_loopback_port();

// Waits until the socket is readable; false on time-out or stop.
bool wait_readable(int socket, const std::atomic<bool>& stop, std::chrono::milliseconds limit);
// The next connection; -1 on time-out or stop.
int accept_within(int listener, const std::atomic<bool>& stop, std::chrono::milliseconds limit);
// Bytes up to and including `end` ("\r\n", "\r\n\r\n"); nothing on close, time-out or stop.
std::optional<std::string> read_until(int socket, std::string_view end,
                                      const std::atomic<bool>& stop,
                                      std::chrono::milliseconds limit);
// Everything until the peer closes; nothing on time-out or stop.
std::optional<std::string> read_to_close(int socket, const std::atomic<bool>& stop,
                                         std::chrono::milliseconds limit);
bool send_all(int socket, std::string_view data);
// Sleeps up to `limit`, or less when `stop` is set.
void idle(const std::atomic<bool>& stop, std::chrono::milliseconds limit);
void close_socket(int socket);

}  // namespace pellavan::servers
