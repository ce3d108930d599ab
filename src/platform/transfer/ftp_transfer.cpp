#include "platform/transfer/ftp_transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "platform/transfer/transfer_error.h"
#include "platform/transfer/url_parts.h"

namespace pellavan::platform {
namespace {

std::string escaped(const std::string& piece) {
  char* e = curl_easy_escape(nullptr, piece.c_str(), static_cast<int>(piece.size()));
  std::string out = e != nullptr ? e : "";
  curl_free(e);
  return out;
}

// The server's last response, or libcurl's account when the server said nothing.
std::string last_response(const CurlTransfer& t) {
  return t.last_response().empty() ? t.error_text() : t.last_response();
}

}  // namespace

std::string ftp_url_path(const std::string& path) {
  std::string out = "/";
  std::size_t start = 0;
  if (!path.empty() && path.front() == '/') {
    out += "%2F";
    start = 1;
  }
  while (start <= path.size()) {
    const std::size_t slash = std::min(path.find('/', start), path.size());
    out += escaped(path.substr(start, slash - start));
    if (slash < path.size()) out += '/';
    start = slash + 1;
  }
  return out;
}

FTP::FTP(TransferPrompts* prompts, TransferLimits limits) : FileTransferBase(prompts, limits) {}

FTP::~FTP() {
  remote_.reset();
  size_ = 0;
}

std::unique_ptr<CurlTransfer> FTP::session(const std::string& path) const {
  auto t = std::make_unique<CurlTransfer>(limits_);
  CURL* easy = t->easy();
  const std::string url = server_ + path;
  curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "ftp");
  curl_easy_setopt(easy, CURLOPT_USERNAME, kFtpUserName);
  curl_easy_setopt(easy, CURLOPT_PASSWORD, kFtpPassword);
  curl_easy_setopt(easy, CURLOPT_FTP_USE_EPSV, 0L);
  curl_easy_setopt(easy, CURLOPT_TRANSFERTEXT, 0L);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, kTransferAgent);
  // The proxy flag asks for the proxy list the class is given, which is empty: no proxy.
  if (use_proxy_) curl_easy_setopt(easy, CURLOPT_PROXY, "");
  return t;
}

void FTP::ConnectToFTPHost(const std::string& /*strUserName*/, const std::string& /*strPassword*/) {
  constexpr const char* source = "FTP::ConnectToFTPHost";
  const UrlParts parts = checked_url_parts(url_, source);
  server_ = "ftp://" + parts.host;
  if (parts.port != 0) server_.append(":").append(std::to_string(parts.port));
  {
    // Logs in and out again; the transfers that follow log in on their own connections.
    const auto login = session("/");
    curl_easy_setopt(login->easy(), CURLOPT_CONNECT_ONLY, 1L);
    if (!login->perform())
      throw TransferError(transfer_code::kNoConnection,
                          "Couldn't connect to server '" + parts.host + "'.", source);
  }
  if (upload_mode_) return;
  // The URL's path is already escaped: only its root is marked.
  remote_ = session("/%2F" + parts.path.substr(1));
  if (!remote_->open())
    throw TransferError(transfer_code::kNoTransfer,
                        "Cannot start file transfer from '" + parts.host + "'.", source);
  size_ = static_cast<std::int64_t>(std::max<std::size_t>(1, remote_->available()));
}

void FTP::WriteFTPDataToFile() {
  constexpr const char* source = "FTP::WriteFTPDataToFile";
  if (upload_mode_)
    throw TransferError(transfer_code::kNoTransfer, "Wrong transfer method selected.", source);
  if (!remote_) throw TransferError(transfer_code::kNoTransfer, "No remote file is open.", source);
  target_.write(*remote_, prompts_, source);
}

void FTP::SourceFile(const std::string& strFileName) {
  source_path_ = strFileName.empty() ? PromptForFile(prompts_, "Please select the file to upload.",
                                                     target_.owner, true)
                                     : strFileName;
  upload_mode_ = true;
  std::error_code ec;
  const auto size = std::filesystem::file_size(source_path_, ec);
  if (ec) {
    throw TransferError(transfer_code::kFileAccess, "File not found: '" + source_path_ + "'.",
                        "FTP::SourceFile");
  }
  size_ = static_cast<std::int64_t>(size);
}

void FTP::UploadFileToFTPServer() {
  constexpr const char* source = "FTP::UploadFileToFTPServer";
  if (server_.empty())
    throw TransferError(transfer_code::kPutFailed, "Not connected to a server.", source);
  std::FILE* file = std::fopen(source_path_.c_str(), "rb");
  if (file == nullptr) {
    throw TransferError(transfer_code::kFileAccess, "File not found: '" + source_path_ + "'.",
                        source);
  }
  auto put = session(ftp_url_path(target_.path));
  CURL* easy = put->easy();
  curl_easy_setopt(easy, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(easy, CURLOPT_READDATA, file);
  curl_easy_setopt(easy, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(size_));
  curl_easy_setopt(
      easy, CURLOPT_FTP_CREATE_MISSING_DIRS,
      static_cast<long>(create_folders_ ? CURLFTP_CREATE_DIR : CURLFTP_CREATE_DIR_NONE));
  const bool stored = put->perform();
  std::fclose(file);
  if (stored) return;
  if (put->result() == CURLE_REMOTE_ACCESS_DENIED && !create_folders_)
    throw TransferError(transfer_code::kMissingFolder, last_response(*put), "FTP");
  throw TransferError(transfer_code::kPutFailed, last_response(*put), source);
}

}  // namespace pellavan::platform
