#pragma once
// One transfer over libcurl, read in pieces the way the transfer classes read a response: open()
// drives it until the first bytes of the body are there or it has ended, read() hands the body
// out. Connecting has a time limit, and so has a transfer that stalls: one during which no byte
// moves either way. A slow transfer that keeps moving runs to its end unless the caller bounds
// the whole transfer as well.
// Proxies come from the environment (http_proxy, ftp_proxy, no_proxy ...), as libcurl reads them.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

typedef void CURL;
typedef void CURLM;
struct curl_slist;

namespace pellavan::platform {

// The agent text both transfer classes send.
inline constexpr const char* kTransferAgent = "WinInet-FileTransferObjects";

struct TransferLimits {
  std::chrono::milliseconds connect{15000};  // until the server has accepted the connection
  std::chrono::milliseconds stall{60000};    // without a byte moving, once connected
  std::chrono::milliseconds whole{0};        // the whole transfer, connecting included; 0: none
  std::uint64_t body = 0;                    // the most body bytes taken; 0: no bound
};

class CurlTransfer {
 public:
  explicit CurlTransfer(const TransferLimits& limits);
  ~CurlTransfer();
  CurlTransfer(const CurlTransfer&) = delete;
  CurlTransfer& operator=(const CurlTransfer&) = delete;

  // The easy handle, for the caller's options (URL, agent ...) before open() or perform().
  [[nodiscard]] CURL* easy() const { return easy_; }
  // Request headers sent with the transfer ("Cache-Control: no-cache").
  void set_headers(const std::vector<std::string>& headers);

  // Starts the transfer and waits for the first body bytes or its end. False when it failed
  // before any byte of the body arrived (refused, not resolved, timed out, login denied ...).
  bool open();
  // Up to `size` bytes of the body; 0 at its end; nothing when the transfer failed on the way.
  [[nodiscard]] std::optional<std::size_t> read(char* buffer, std::size_t size);
  // Runs a transfer that needs no reading (a login, an upload) to its end; true when it succeeded.
  bool perform();

  // Body bytes received and not read yet.
  [[nodiscard]] std::size_t available() const { return buffer_.size() - read_from_; }
  // The last response code: the HTTP status or the FTP reply code; 0 before any.
  [[nodiscard]] long response_code() const;
  // libcurl's result code of the ended transfer (0 while it runs or after success).
  [[nodiscard]] int result() const { return result_; }
  // True when the transfer failed without an answer from the server: not resolved, refused, or
  // nothing came back within the time limits.
  [[nodiscard]] bool reached_nobody() const;
  // What went wrong, named for the user: a stall, a body cut short or larger than allowed, a
  // redirect loop or a refused redirect, a refused certificate, else in libcurl's words.
  [[nodiscard]] std::string error_text() const;
  // The server's last response line as sent, without its line end (FTP replies).
  [[nodiscard]] const std::string& last_response() const { return last_response_; }

 private:
  static std::size_t on_body(char* data, std::size_t size, std::size_t count, void* self);
  static std::size_t on_header(char* data, std::size_t size, std::size_t count, void* self);
  // Hands the transfer to the multi interface, once.
  void start();
  // One round of the multi interface; false once the transfer has ended.
  bool step();
  // Ends the transfer as timed out, with `why`.
  void stop(const std::string& why);

  CURL* easy_ = nullptr;
  CURLM* multi_ = nullptr;
  curl_slist* headers_ = nullptr;
  TransferLimits limits_;
  std::chrono::steady_clock::time_point deadline_;    // of the whole transfer, when bounded
  std::chrono::steady_clock::time_point last_moved_;  // when a byte last moved
  std::uint64_t received_ = 0;                        // header and body bytes received
  std::uint64_t body_received_ = 0;
  bool too_large_ = false;   // the body passed its bound
  std::uint64_t moved_ = 0;  // bytes moved either way, when last seen
  std::string buffer_;
  std::size_t read_from_ = 0;
  std::string last_response_;
  std::string location_;  // of the last redirect
  char error_[256] = {};
  bool started_ = false;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace pellavan::platform
