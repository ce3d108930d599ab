#pragma once
// The local file a download is written to, shared by the HTTP and FTP classes: the rules for
// asking the user for another file, and the loop that writes the body. The body goes into a
// temporary file beside the destination, which takes the destination's name only once the whole
// body is there: a failed transfer leaves the destination as it was.

#include <cstdint>
#include <optional>
#include <string>

namespace pellavan::platform {

class CurlTransfer;
class TransferPrompts;

class DownloadTarget {
 public:
  std::string path;          // DestinationFile, or the file the prompt gave
  bool overwrite = false;    // OverwriteTarget: an existing file is replaced without asking
  bool prompt = false;       // PromptWithCommonDialog: ask in any case
  std::uintptr_t owner = 0;  // hwnd: owner of the prompt; 0: the active window
  bool written = false;      // the whole body is in the file at `path`

  // FileExists: the path names an existing regular file.
  [[nodiscard]] bool exists() const;

  // Writes the whole body into the file. Asks for a file first when told to, or when the file
  // exists and may not be replaced; a cancelled prompt, or a file that cannot be created, writes
  // nothing and raises nothing. Raises kTransferFailed when the body does not come whole and
  // kFileAccess when the file cannot be written, with `source`.
  void write(CurlTransfer& body, TransferPrompts* prompts, const std::string& source);
};

// The whole body as text; nothing when it stopped coming.
[[nodiscard]] std::optional<std::string> read_whole_body(CurlTransfer& body);

// PromptForFile: asks with `title` from the process's current folder; "" when cancelled or when
// there is nobody to ask.
[[nodiscard]] std::string PromptForFile(TransferPrompts* prompts, const std::string& title,
                                        std::uintptr_t owner, bool open_mode);

}  // namespace pellavan::platform
