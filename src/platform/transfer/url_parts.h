#pragma once
// A URL split into its parts, as the transfer classes need them: the URL in its canonical form,
// scheme, host, user name, password, path, extra information (query and fragment) and port.

#include <optional>
#include <string>

namespace pellavan::platform {

struct UrlParts {
  std::string canonical;  // the whole URL as the library will send it
  std::string scheme;
  std::string host;  // empty for a URL without a host name
  std::string user;
  std::string password;
  std::string path;   // "/" at the least
  std::string extra;  // "?query#fragment", or empty
  int port = 0;       // 0: the scheme's default port
};

// Splits `url`; nothing when it cannot be read as a URL at all (CrackURL failing). A URL that is
// well formed but names no host ("http:///x") gives parts with an empty host.
[[nodiscard]] std::optional<UrlParts> CrackURL(const std::string& url);

// The parts of `url` for a transfer; raises code 3000 ("An unknown error occurred.") when it
// cannot be read and code 1000 (bad URL, naming it) when it has no host name, with `source`.
[[nodiscard]] UrlParts checked_url_parts(const std::string& url, const std::string& source);

}  // namespace pellavan::platform
