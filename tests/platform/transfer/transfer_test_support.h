#pragma once
// What the transfer tests share: short time limits, a temporary folder, file reading and a
// prompt that records what it is asked.

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/transfer/curl_transfer.h"
#include "platform/transfer/transfer_prompts.h"

namespace pellavan::test {

inline constexpr platform::TransferLimits kShortLimits{.connect = std::chrono::milliseconds(1000),
                                                       .stall = std::chrono::milliseconds(1000)};

// The tests talk to their servers on 127.0.0.1 directly, never through a proxy the environment
// names: the proxy variables are cleared before main() of every test that includes this.
inline const bool kProxiesCleared = [] {
  for (const char* v : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "ftp_proxy",
                        "FTP_PROXY", "all_proxy", "ALL_PROXY"})
    ::unsetenv(v);
  return true;
}();

// A fresh folder, removed again at the end of the test.
class ScratchFolder {
 public:
  ScratchFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("pellavan-transfer-" + std::to_string(::getpid()) + "-" + std::to_string(count_++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }
  [[nodiscard]] std::string operator/(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  static inline int count_ = 0;
  std::filesystem::path path_;
};

inline std::string file_text(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void write_file(const std::filesystem::path& p, const std::string& text) {
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << text;
}

// Bytes 0..255 repeated: a body whose every byte counts.
inline std::string binary_body(std::size_t size) {
  std::string body(size, '\0');
  for (std::size_t i = 0; i < size; ++i) body[i] = static_cast<char>(i * 7 % 256);
  return body;
}

class RecordingPrompts : public platform::TransferPrompts {
 public:
  explicit RecordingPrompts(std::string answer = {}) : answer_(std::move(answer)) {}
  std::string choose_file(const platform::FilePromptRequest& r) override {
    asked.push_back(r);
    return answer_;
  }
  void show_message(const std::string& text) override { messages.push_back(text); }
  std::vector<platform::FilePromptRequest> asked;
  std::vector<std::string> messages;

 private:
  std::string answer_;
};

}  // namespace pellavan::test
