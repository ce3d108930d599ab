#include "platform/transfer/url_parts.h"

#include <curl/curl.h>

#include <memory>

#include "platform/transfer/transfer_error.h"

namespace pellavan::platform {
namespace {

struct UrlDeleter {
  void operator()(CURLU* u) const { curl_url_cleanup(u); }
};

std::string part(CURLU* u, CURLUPart which) {
  char* text = nullptr;
  if (curl_url_get(u, which, &text, 0) != CURLUE_OK || text == nullptr) return {};
  std::string out(text);
  curl_free(text);
  return out;
}

// "http:///x": libcurl would take "x" for the host, the URL names none.
bool names_no_host(const std::string& url) {
  const auto marker = url.find("://");
  if (marker == std::string::npos) return false;
  const auto after = marker + 3;
  return after == url.size() || url.find_first_of("/?#", after) == after;
}

}  // namespace

std::optional<UrlParts> CrackURL(const std::string& url) {
  const std::unique_ptr<CURLU, UrlDeleter> u(curl_url());
  if (!u) return std::nullopt;
  const CURLUcode set = curl_url_set(u.get(), CURLUPART_URL, url.c_str(), 0);
  if (set == CURLUE_NO_HOST || (set == CURLUE_OK && names_no_host(url))) {
    // Readable, but without a host name: the caller reports the bad URL itself.
    UrlParts parts;
    parts.canonical = url;
    parts.scheme = url.substr(0, url.find(':'));
    return parts;
  }
  if (set != CURLUE_OK) return std::nullopt;
  UrlParts parts;
  parts.canonical = part(u.get(), CURLUPART_URL);
  parts.scheme = part(u.get(), CURLUPART_SCHEME);
  parts.host = part(u.get(), CURLUPART_HOST);
  parts.user = part(u.get(), CURLUPART_USER);
  parts.password = part(u.get(), CURLUPART_PASSWORD);
  parts.path = part(u.get(), CURLUPART_PATH);
  const std::string query = part(u.get(), CURLUPART_QUERY);
  const std::string fragment = part(u.get(), CURLUPART_FRAGMENT);
  if (!query.empty()) parts.extra += "?" + query;
  if (!fragment.empty()) parts.extra += "#" + fragment;
  const std::string port = part(u.get(), CURLUPART_PORT);
  if (!port.empty()) parts.port = std::stoi(port);
  return parts;
}

UrlParts checked_url_parts(const std::string& url, const std::string& source) {
  auto parts = CrackURL(url);
  if (!parts) throw TransferError(transfer_code::kUnknown, "An unknown error occurred.", source);
  if (parts->host.empty()) {
    throw TransferError(transfer_code::kBadUrl,
                        "Bad URL. \n" + url + "\nPlease verify the hyperlink and try again.",
                        source);
  }
  return *parts;
}

}  // namespace pellavan::platform
