#include "platform/transfer/download_target.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/transfer/curl_transfer.h"
#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_prompts.h"

namespace pellavan::platform {
namespace {

constexpr std::size_t kReadSize = 4096;
constexpr int kPartNames = 100;

// A new file beside the destination that nothing else uses ("f.txt.part", "f.txt.part1" ...),
// removed again unless it took the destination's name.
class PartFile {
 public:
  explicit PartFile(const std::string& destination) {
    for (int i = 0; i < kPartNames && file_ == nullptr; ++i) {
      name_ = destination + ".part" + (i == 0 ? std::string() : std::to_string(i));
      const int fd = ::open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd < 0 && errno == EEXIST) continue;
      if (fd >= 0) file_ = ::fdopen(fd, "wb");
      if (file_ == nullptr && fd >= 0) ::close(fd);
      break;
    }
    if (file_ == nullptr) name_.clear();
  }
  ~PartFile() {
    if (file_ != nullptr) std::fclose(file_);
    if (!name_.empty()) std::remove(name_.c_str());
  }
  PartFile(const PartFile&) = delete;
  PartFile& operator=(const PartFile&) = delete;

  [[nodiscard]] std::FILE* file() const { return file_; }
  // Closes the file and gives it the destination's name; false when either fails.
  bool keep_as(const std::string& destination) {
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed || std::rename(name_.c_str(), destination.c_str()) != 0) return false;
    name_.clear();
    return true;
  }

 private:
  std::string name_;
  std::FILE* file_ = nullptr;
};

}  // namespace

bool DownloadTarget::exists() const {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void DownloadTarget::write(CurlTransfer& body, TransferPrompts* prompts,
                           const std::string& source) {
  written = false;
  if ((exists() && !overwrite) || prompt) {
    path =
        PromptForFile(prompts, "Please select a new name for the destination file.", owner, false);
    if (path.empty()) return;
  }
  PartFile part(path);
  if (part.file() == nullptr) return;
  const auto cannot_write = [&] {
    return TransferError(transfer_code::kFileAccess,
                         "Cannot write '" + path + "': " + std::strerror(errno), source);
  };
  std::array<char, kReadSize> buffer{};
  for (;;) {
    const auto n = body.read(buffer.data(), buffer.size());
    if (!n) {
      throw TransferError(transfer_code::kTransferFailed, body.error_text(), source);
    }
    if (*n == 0) break;
    if (std::fwrite(buffer.data(), 1, *n, part.file()) != *n) throw cannot_write();
  }
  // Closed here, so that a full disk shows before the caller goes on.
  if (!part.keep_as(path)) throw cannot_write();
  written = true;
}

std::optional<std::string> read_whole_body(CurlTransfer& body) {
  std::string text;
  std::array<char, kReadSize> buffer{};
  for (;;) {
    const auto n = body.read(buffer.data(), buffer.size());
    if (!n) return std::nullopt;
    if (*n == 0) return text;
    text.append(buffer.data(), *n);
  }
}

std::string PromptForFile(TransferPrompts* prompts, const std::string& title, std::uintptr_t owner,
                          bool open_mode) {
  if (prompts == nullptr) return {};
  std::error_code ec;
  const auto folder = std::filesystem::current_path(ec);
  return prompts->choose_file({title, owner, open_mode, ec ? std::string() : folder.string()});
}

}  // namespace pellavan::platform
