#pragma once
// HTTP fetches one resource named by a URL and writes it into a local file or returns it as
// text. One instance serves one transfer: set the URL and the destination, ConnectToHTTPHost,
// then write; release (the destructor) closes the request. The body goes into the destination
// file only once it has come whole (download_target.h).
//
// Failures raise TransferError: code 1000 for a URL without a host, 3000 for one that cannot be
// read, 2000 for a status other than 200 that has a text (404 ...; a status without one passes
// like 200), 6000 when the transfer fails on the way, naming why (a refused certificate or
// redirect, a redirect loop, a body cut short, a stall). A request that reaches no server
// (refused, host not found, no answer in time) makes ConnectToHTTPHost return false. The
// request asks that no cache answers it, follows redirects and goes through the proxy the
// environment names.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/transfer/file_transfer_base.h"

namespace pellavan::platform {

class HTTP : public FileTransferBase {
 public:
  explicit HTTP(TransferPrompts* prompts = nullptr, TransferLimits limits = {});
  ~HTTP();

  // Sends the request and tests the status; true when the response has arrived.
  bool ConnectToHTTPHost();
  // Tells the user that the internet is being reached.
  void DialDefaultNumber();
  // The whole body as text.
  [[nodiscard]] std::string WriteHTTPDataToString();
  // Writes the whole body into the destination file, asking for another file when the
  // destination exists and may not be replaced, or when told to ask.
  void WriteHTTPDataToFile();

  void HttpURL(std::string strURL) { url_ = std::move(strURL); }
  // The status of the answer, after redirects; 0 before connecting.
  [[nodiscard]] long StatusCode() const;
  // Body bytes readable right after connecting, at least 1; 0 before and after.
  [[nodiscard]] std::int64_t SizeOfFile() const { return available_; }

 private:
  std::unique_ptr<CurlTransfer> request_;
  std::int64_t available_ = 0;
};

}  // namespace pellavan::platform
