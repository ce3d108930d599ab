#pragma once
// FTP moves one file: it downloads the remote file named by a URL into a local file, or uploads
// a local file to a remote path, creating missing remote folders when asked. DestinationFile
// names the local file of a download and the remote path of an upload. It logs in with the
// program's fixed account, in passive mode, and transfers in binary (TYPE I).
//
// Remote paths are the server's: a path that begins with "/" starts in the server's root folder
// (the path of an ftp URL counts as such), any other in the folder the login leaves the session
// in. The URL's port is used when it names one, else FTP's own.
//
// Failures raise TransferError with the codes of transfer_error.h: 1000 and 3000 for the URL,
// 4001 when connecting or logging in fails, 5000 when the remote file cannot be opened (or on a
// download asked of an upload), 2215 when the upload fails, 9999 when a remote folder is missing
// and creating folders was not asked; the last two describe the failure by the server's last
// response. A download that fails on the way raises 6000 and leaves the destination as it was.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/transfer/file_transfer_base.h"

namespace pellavan::platform {

inline constexpr const char* kFtpUserName = "orvel";
inline constexpr const char* kFtpPassword = "40517";

class FTP : public FileTransferBase {
 public:
  explicit FTP(TransferPrompts* prompts = nullptr, TransferLimits limits = {});
  ~FTP();

  void AutoCreateRemoteDir(bool blnYesNo) { create_folders_ = blnYesNo; }
  // Stores the source file at the destination path (after SourceFile and ConnectToFTPHost).
  void UploadFileToFTPServer();
  // Connects and logs in with the fixed account, whatever is given; for a download also opens
  // the remote file.
  void ConnectToFTPHost(const std::string& strUserName = kFtpUserName,
                        const std::string& strPassword = {});
  // Writes the opened remote file into the destination file, with the prompt rules of HTTP.
  void WriteFTPDataToFile();
  // The local file to upload; an empty name asks for one. Switches the instance to uploading.
  void SourceFile(const std::string& strFileName);
  void UseProxy(bool blnYesNo) { use_proxy_ = blnYesNo; }
  void FtpURL(std::string strURL) { url_ = std::move(strURL); }
  // The source file's size once set; after a download connection the bytes readable, at least
  // 1; 0 after release.
  [[nodiscard]] std::int64_t SizeOfFile() const { return size_; }
  void DialDefaultNumber() {}

 private:
  // A transfer to `path` on the server, logged in, passive, binary, proxy as set.
  std::unique_ptr<CurlTransfer> session(const std::string& path) const;

  std::string server_;  // "ftp://host[:port]" of the connected server
  std::unique_ptr<CurlTransfer> remote_;
  std::string source_path_;
  std::int64_t size_ = 0;  // files past 4 GiB included
  bool upload_mode_ = false;
  bool use_proxy_ = false;
  bool create_folders_ = false;
};

// The path part of an ftp URL that names `path` on the server as FTP describes it: each folder
// and the file name escaped, a leading "/" kept as the server's root ("%2F").
[[nodiscard]] std::string ftp_url_path(const std::string& path);

}  // namespace pellavan::platform
