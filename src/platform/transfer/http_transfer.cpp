#include "platform/transfer/http_transfer.h"

#include <curl/curl.h>

#include <algorithm>

#include "platform/transfer/http_status_text.h"
#include "platform/transfer/transfer_error.h"
#include "platform/transfer/transfer_prompts.h"
#include "platform/transfer/url_parts.h"

namespace pellavan::platform {
namespace {

constexpr const char* kConnectSource = "HTTP::ConnectToHTTPHost";

}  // namespace

HTTP::HTTP(TransferPrompts* prompts, TransferLimits limits) : FileTransferBase(prompts, limits) {}

HTTP::~HTTP() {
  request_.reset();
  available_ = 0;
}

bool HTTP::ConnectToHTTPHost() {
  const UrlParts parts = checked_url_parts(url_, kConnectSource);
  request_ = std::make_unique<CurlTransfer>(limits_);
  CURL* easy = request_->easy();
  curl_easy_setopt(easy, CURLOPT_URL, parts.canonical.c_str());
  curl_easy_setopt(easy, CURLOPT_USERAGENT, kTransferAgent);
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 10L);
  request_->set_headers({"Cache-Control: no-cache", "Pragma: no-cache"});
  if (!request_->open()) {
    if (request_->reached_nobody()) return false;
    throw TransferError(transfer_code::kTransferFailed, request_->error_text(), kConnectSource);
  }
  const long status = request_->response_code();
  if (const std::string text = status == 200 ? "" : StatusCodeText(status); !text.empty())
    throw TransferError(transfer_code::kHttpStatus, text, kConnectSource);
  available_ = static_cast<std::int64_t>(std::max<std::size_t>(1, request_->available()));
  return true;
}

long HTTP::StatusCode() const { return request_ ? request_->response_code() : 0; }

void HTTP::DialDefaultNumber() {
  if (prompts_ != nullptr) prompts_->show_message("Attempting to reach the internet...");
}

std::string HTTP::WriteHTTPDataToString() {
  constexpr const char* source = "HTTP::WriteHTTPDataToString";
  if (!request_) throw TransferError(transfer_code::kNoTransfer, "No request is open.", source);
  auto text = read_whole_body(*request_);
  if (!text) {
    throw TransferError(transfer_code::kTransferFailed, request_->error_text(), source);
  }
  return *text;
}

void HTTP::WriteHTTPDataToFile() {
  constexpr const char* source = "HTTP::WriteHTTPDataToFile";
  if (!request_) throw TransferError(transfer_code::kNoTransfer, "No request is open.", source);
  target_.write(*request_, prompts_, source);
}

}  // namespace pellavan::platform
