#include "platform/transfer/curl_transfer.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <string_view>

namespace pellavan::platform {
namespace {

void global_init() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// Beyond libcurl's own limit of the whole transfer: the loops end even if the library never
// reports an end.
constexpr std::chrono::seconds kSafetyMargin{5};
// The longest wait for the sockets in one round, so that a stall is seen in time.
constexpr std::chrono::milliseconds kLongestPoll{200};

constexpr std::string_view kLocation = "location:";

// "60 s", "1.5 s"
std::string seconds_text(std::chrono::milliseconds ms) {
  char text[32];
  const auto count = static_cast<long long>(ms.count());
  if (count % 1000 == 0)
    std::snprintf(text, sizeof text, "%lld s", count / 1000);
  else
    std::snprintf(text, sizeof text, "%lld.%lld s", count / 1000, count % 1000 / 100);
  return text;
}

}  // namespace

CurlTransfer::CurlTransfer(const TransferLimits& limits) : limits_(limits) {
  global_init();
  easy_ = curl_easy_init();
  multi_ = curl_multi_init();
  curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
  if (limits.whole.count() > 0)
    curl_easy_setopt(easy_, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.whole.count()));
  curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, error_);
  curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, &CurlTransfer::on_body);
  curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, &CurlTransfer::on_header);
  curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
  deadline_ = std::chrono::steady_clock::now() + limits.whole + kSafetyMargin;
}

CurlTransfer::~CurlTransfer() {
  if (started_) curl_multi_remove_handle(multi_, easy_);
  curl_multi_cleanup(multi_);
  curl_easy_cleanup(easy_);
  curl_slist_free_all(headers_);
}

void CurlTransfer::set_headers(const std::vector<std::string>& headers) {
  curl_slist_free_all(headers_);
  headers_ = nullptr;
  for (const auto& h : headers) headers_ = curl_slist_append(headers_, h.c_str());
  curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
}

std::size_t CurlTransfer::on_body(char* data, std::size_t size, std::size_t count, void* self) {
  auto* t = static_cast<CurlTransfer*>(self);
  t->body_received_ += size * count;
  if (t->limits_.body != 0 && t->body_received_ > t->limits_.body) {
    t->too_large_ = true;
    return 0;  // ends the transfer
  }
  if (t->read_from_ == t->buffer_.size()) {
    t->buffer_.clear();
    t->read_from_ = 0;
  }
  t->buffer_.append(data, size * count);
  t->received_ += size * count;
  return size * count;
}

std::size_t CurlTransfer::on_header(char* data, std::size_t size, std::size_t count, void* self) {
  auto* t = static_cast<CurlTransfer*>(self);
  t->received_ += size * count;
  std::string line(data, size * count);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  if (line.size() >= kLocation.size() &&
      std::equal(kLocation.begin(), kLocation.end(), line.begin(),
                 [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); })) {
    const std::size_t from = line.find_first_not_of(' ', kLocation.size());
    t->location_ = from == std::string::npos ? std::string() : line.substr(from);
  }
  if (!line.empty()) t->last_response_ = std::move(line);
  return size * count;
}

void CurlTransfer::start() {
  if (started_) return;
  curl_multi_add_handle(multi_, easy_);
  started_ = true;
  last_moved_ = std::chrono::steady_clock::now();
}

void CurlTransfer::stop(const std::string& why) {
  ended_ = true;
  result_ = CURLE_OPERATION_TIMEDOUT;
  std::snprintf(error_, sizeof error_, "%s", why.c_str());
}

bool CurlTransfer::step() {
  if (ended_) return false;
  int running = 0;
  curl_multi_perform(multi_, &running);
  int left = 0;
  while (CURLMsg* msg = curl_multi_info_read(multi_, &left)) {
    if (msg->msg == CURLMSG_DONE) {
      ended_ = true;
      result_ = msg->data.result;
    }
  }
  if (ended_) return false;
  const auto now = std::chrono::steady_clock::now();
  curl_off_t connected = 0;
  curl_off_t sent = 0;
  curl_easy_getinfo(easy_, CURLINFO_CONNECT_TIME_T, &connected);
  curl_easy_getinfo(easy_, CURLINFO_SIZE_UPLOAD_T, &sent);
  // Connecting has its own limit; the stall counts from the connection on.
  const std::uint64_t moved = received_ + static_cast<std::uint64_t>(sent);
  if (connected == 0 || moved != moved_) {
    moved_ = moved;
    last_moved_ = now;
  }
  if (now - last_moved_ > limits_.stall) {
    stop("The transfer stalled: nothing moved for " + seconds_text(limits_.stall) + ".");
  } else if (limits_.whole.count() > 0 && now > deadline_) {
    stop("The transfer took longer than " + seconds_text(limits_.whole) + ".");
  } else if (available() == 0) {
    const auto wait = std::min<std::chrono::milliseconds>(kLongestPoll, limits_.stall);
    curl_multi_poll(multi_, nullptr, 0, static_cast<int>(wait.count()), nullptr);
  }
  return !ended_;
}

bool CurlTransfer::open() {
  start();
  while (available() == 0 && step()) {
  }
  return available() > 0 || result_ == CURLE_OK;
}

std::optional<std::size_t> CurlTransfer::read(char* buffer, std::size_t size) {
  while (available() == 0 && step()) {
  }
  if (available() == 0) {
    if (result_ != CURLE_OK) return std::nullopt;
    return std::size_t{0};
  }
  const std::size_t n = std::min(size, available());
  std::memcpy(buffer, buffer_.data() + read_from_, n);
  read_from_ += n;
  return n;
}

bool CurlTransfer::perform() {
  start();
  do {
    read_from_ = buffer_.size();  // nobody reads a body here
  } while (step());
  return result_ == CURLE_OK;
}

long CurlTransfer::response_code() const {
  long code = 0;
  curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &code);
  return code;
}

bool CurlTransfer::reached_nobody() const {
  switch (result_) {
    case CURLE_COULDNT_RESOLVE_PROXY:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_CONNECT: return true;
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR: return received_ == 0;
    default: return false;
  }
}

std::string CurlTransfer::error_text() const {
  const std::string detail =
      error_[0] != '\0' ? error_ : curl_easy_strerror(static_cast<CURLcode>(result_));
  switch (result_) {
    case CURLE_WRITE_ERROR:
      if (!too_large_) break;
      return "The answer is larger than " + std::to_string(limits_.body) + " bytes.";
    case CURLE_PARTIAL_FILE: {
      curl_off_t expected = -1;
      curl_easy_getinfo(easy_, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &expected);
      if (expected < 0) return "The answer was cut short: " + detail;
      return "The answer was cut short: " + std::to_string(body_received_) + " of " +
             std::to_string(expected) + " bytes arrived.";
    }
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR: return "The connection broke off: " + detail;
    case CURLE_TOO_MANY_REDIRECTS: return "The server redirects without end: " + detail;
    case CURLE_UNSUPPORTED_PROTOCOL:
      if (location_.empty()) break;
      return "The server redirects to '" + location_ + "', which is refused.";
    case CURLE_PEER_FAILED_VERIFICATION: return "The server's certificate was refused: " + detail;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
    case CURLE_SSL_INVALIDCERTSTATUS: return "The secure connection was refused: " + detail;
    default: break;
  }
  return detail;
}

}  // namespace pellavan::platform
