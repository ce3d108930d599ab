#pragma once
// The local file a download is written to, shared by the HTTP and FTP classes: the rules for
// asking the user for another file, its creation and the loop that writes the body into it. The
// file stays open until close() (the class's release), which flushes it.

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace pellavan::platform {

class CurlTransfer;
class TransferPrompts;

class DownloadTarget {
 public:
  DownloadTarget() = default;
  ~DownloadTarget() { close(); }
  DownloadTarget(const DownloadTarget&) = delete;
  DownloadTarget& operator=(const DownloadTarget&) = delete;

  std::string path;          // DestinationFile, or the file the prompt gave
  bool overwrite = false;    // OverwriteTarget: an existing file is replaced without asking
  bool prompt = false;       // PromptWithCommonDialog: ask in any case
  std::uintptr_t owner = 0;  // hwnd: owner of the prompt; 0: the active window

  // FileExists: the path names an existing regular file.
  [[nodiscard]] bool exists() const;

  // Writes the whole body into the file. Asks for a file first when told to, or when the file
  // exists and may not be replaced; a cancelled prompt, or a file that cannot be created, writes
  // nothing and raises nothing. Raises kConnectionLost when the body stops coming and
  // kFileAccess when the file cannot be written, with `source`.
  void write(CurlTransfer& body, TransferPrompts* prompts, const std::string& source);

  // Flushes and closes the file, if open.
  void close();

 private:
  std::FILE* file_ = nullptr;
};

// The whole body as text; nothing when it stopped coming.
[[nodiscard]] std::optional<std::string> read_whole_body(CurlTransfer& body);

// PromptForFile: asks with `title` from the process's current folder; "" when cancelled or when
// there is nobody to ask.
[[nodiscard]] std::string PromptForFile(TransferPrompts* prompts, const std::string& title,
                                        std::uintptr_t owner, bool open_mode);

}  // namespace pellavan::platform
