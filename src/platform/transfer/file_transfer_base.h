#pragma once
// The members the HTTP and FTP classes share: the URL, the download target with its prompt
// rules, the owner window and the prompts and time limits they were made with.

#include <cstdint>
#include <string>
#include <utility>

#include "platform/transfer/curl_transfer.h"
#include "platform/transfer/download_target.h"

namespace pellavan::platform {

class TransferPrompts;

class FileTransferBase {
 public:
  FileTransferBase(const FileTransferBase&) = delete;
  FileTransferBase& operator=(const FileTransferBase&) = delete;

  void hwnd(std::uintptr_t SourcehWnd) { target_.owner = SourcehWnd; }
  // True when the destination path names an existing local file.
  [[nodiscard]] bool FileExists() const { return target_.exists(); }
  void OverwriteTarget(bool blnOverWrite) { target_.overwrite = blnOverWrite; }
  void DestinationFile(std::string strFilePath) { target_.path = std::move(strFilePath); }
  [[nodiscard]] const std::string& SpecifiedURL() const { return url_; }
  void PromptWithCommonDialog(bool blnYesNo) { target_.prompt = blnYesNo; }
  void About() {}
  // The system offers no connection state of its own: a request that cannot be made shows
  // when connecting.
  [[nodiscard]] bool IsConnected() const { return true; }

  // The destination path, the prompt's choice included.
  [[nodiscard]] const std::string& destination() const { return target_.path; }
  // True once the whole body of a download is in the destination file.
  [[nodiscard]] bool written() const { return target_.written; }

 protected:
  // `prompts` answers the prompts and messages; null: nobody answers, a prompt counts as
  // cancelled.
  FileTransferBase(TransferPrompts* prompts, TransferLimits limits)
      : prompts_(prompts), limits_(limits) {}
  ~FileTransferBase() = default;

  TransferPrompts* prompts_;
  TransferLimits limits_;
  std::string url_;
  DownloadTarget target_;
};

}  // namespace pellavan::platform
