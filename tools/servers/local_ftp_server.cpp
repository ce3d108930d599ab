#include "servers/local_ftp_server.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "servers/socket_io.h"

namespace pellavan::servers {
namespace fs = std::filesystem;
namespace {

constexpr auto kWait = 3000ms;

// `arg` taken from the folder `cwd`, as a clean absolute path.
std::string resolve(const std::string& cwd, const std::string& arg) {
  std::vector<std::string> parts;
  std::istringstream in(arg.starts_with('/') ? arg : cwd + "/" + arg);
  for (std::string p; std::getline(in, p, '/');) {
    if (p.empty() || p == ".") continue;
    if (p == "..") {
      if (!parts.empty()) parts.pop_back();
    } else {
      parts.push_back(p);
    }
  }
  std::string out;
  for (const auto& p : parts) out += "/" + p;
  return out.empty() ? "/" : out;
}

struct Session {
  const fs::path& root;
  std::string cwd = "/";
  bool logged_in = false;
  std::string user{};
  int passive = -1;

  fs::path disk(const std::string& arg) const { return root / resolve(cwd, arg).substr(1); }
};

}  // namespace

LocalFtpServer::LocalFtpServer(fs::path root, std::string user, std::string password)
    : root_(std::move(root)), user_(std::move(user)), password_(std::move(password)) {
  fs::create_directories(root_ / std::string(kLoginFolder).substr(1));
  server_ = std::make_unique<LoopbackServer>(
      [this](int s, const std::atomic<bool>& stop) { session(s, stop); });
}

std::string LocalFtpServer::base_url() const {
  return "ftp://127.0.0.1:" + std::to_string(server_->port());
}

std::vector<std::string> LocalFtpServer::commands() const {
  const std::lock_guard lock(mutex_);
  return commands_;
}

void LocalFtpServer::session(int s, const std::atomic<bool>& stop) {
  Session st{root_};
  auto reply = [s](const std::string& line) { return send_all(s, line + "\r\n"); };
  // Accepts the passive data connection and runs `work` on it.
  auto data = [&](auto work) {
    const int d = accept_within(st.passive, stop, kWait);
    close_socket(st.passive);
    st.passive = -1;
    if (d < 0) return reply("425 No data connection.");
    const bool ok = work(d);
    close_socket(d);
    return reply(ok ? "226 Transfer complete." : "451 Transfer failed.");
  };
  reply("220 Test server ready.");
  while (auto line = read_until(s, "\r\n", stop, kWait)) {
    line->resize(line->size() - 2);
    const auto space = line->find(' ');
    const std::string cmd = line->substr(0, space);
    const std::string arg = space == std::string::npos ? "" : line->substr(space + 1);
    {
      const std::lock_guard lock(mutex_);
      commands_.push_back(*line);
    }
    std::error_code ec;
    if (cmd == "USER") {
      st.user = arg;
      reply("331 Password required.");
    } else if (cmd == "PASS") {
      st.logged_in = st.user == user_ && arg == password_;
      if (st.logged_in) st.cwd = kLoginFolder;
      reply(st.logged_in ? "230 Logged in." : "530 Login incorrect.");
    } else if (cmd == "QUIT") {
      reply("221 Bye.");
      break;
    } else if (!st.logged_in) {
      reply("530 Not logged in.");
    } else if (cmd == "PWD") {
      reply("257 \"" + st.cwd + "\" is the current folder.");
    } else if (cmd == "CWD" || cmd == "CDUP") {
      const std::string to = resolve(st.cwd, cmd == "CDUP" ? ".." : arg);
      const bool there = fs::is_directory(st.disk(to), ec);
      if (there) st.cwd = to;
      reply(there ? "250 Folder changed." : "550 " + arg + ": No such folder.");
    } else if (cmd == "MKD") {
      reply(fs::create_directory(st.disk(arg), ec) ? "257 \"" + resolve(st.cwd, arg) + "\" created."
                                                   : "550 " + arg + ": Cannot create.");
    } else if (cmd == "TYPE") {
      reply("200 Type set to " + arg + ".");
    } else if (cmd == "SYST") {
      reply("215 UNIX Type: L8");
    } else if (cmd == "NOOP") {
      reply("200 OK.");
    } else if (cmd == "PASV") {
      close_socket(st.passive);
      st.passive = listen_on_loopback();
      const int p = port_of(st.passive);
      reply("227 Entering Passive Mode (127,0,0,1," + std::to_string(p / 256) + "," +
            std::to_string(p % 256) + ").");
    } else if (cmd == "SIZE") {
      const auto size = fs::file_size(st.disk(arg), ec);
      reply(ec ? "550 " + arg + ": No such file." : "213 " + std::to_string(size));
    } else if (cmd == "RETR") {
      std::ifstream in(st.disk(arg), std::ios::binary);
      if (!in || fs::is_directory(st.disk(arg), ec)) {
        reply("550 " + arg + ": No such file.");
        continue;
      }
      const std::string bytes{std::istreambuf_iterator<char>(in), {}};
      reply("150 Opening BINARY connection.");
      data([&](int d) { return send_all(d, bytes); });
    } else if (cmd == "STOR") {
      std::ofstream out(st.disk(arg), std::ios::binary);
      if (!out) {
        reply("553 " + arg + ": Cannot store here.");
        continue;
      }
      reply("150 Ok to send data.");
      data([&](int d) {
        const auto bytes = read_to_close(d, stop, kWait);
        if (bytes) out << *bytes;
        return bytes.has_value();
      });
    } else {
      reply("502 " + cmd + " not implemented.");
    }
  }
  close_socket(st.passive);
}

}  // namespace pellavan::servers
