#include "platform/transfer/download_target.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/transfer/curl_transfer.h"
#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_prompts.h"

namespace pellavan::platform {
namespace {

constexpr std::size_t kReadSize = 4096;

}  // namespace

bool DownloadTarget::exists() const {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

void DownloadTarget::write(CurlTransfer& body, TransferPrompts* prompts,
                           const std::string& source) {
  if ((exists() && !overwrite) || prompt) {
    path =
        PromptForFile(prompts, "Please select a new name for the destination file.", owner, false);
    if (path.empty()) return;
  }
  close();
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) return;
  std::array<char, kReadSize> buffer{};
  for (;;) {
    const auto n = body.read(buffer.data(), buffer.size());
    if (!n) {
      throw TransferError(transfer_code::kConnectionLost,
                          "The transfer was interrupted: " + body.error_text(), source);
    }
    // Flushed at the end, so that a full disk shows here and not after the caller has gone on.
    const bool written =
        *n == 0 ? std::fflush(file_) == 0 : std::fwrite(buffer.data(), 1, *n, file_) == *n;
    if (!written) {
      throw TransferError(transfer_code::kFileAccess,
                          "Cannot write '" + path + "': " + std::strerror(errno), source);
    }
    if (*n == 0) return;
  }
}

void DownloadTarget::close() {
  if (file_ == nullptr) return;
  std::fflush(file_);
  std::fclose(file_);
  file_ = nullptr;
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
