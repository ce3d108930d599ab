#include "platform/transfer/http_status_text.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace pellavan::platform {
namespace {

constexpr std::array<std::pair<long, std::string_view>, 31> kStatusTexts{{
    {101, "Server has switched protocols in upgrade header."},
    {204, "No info to return."},
    {300, "Server couldn't decide what to return."},
    {301, "Object permanently moved"},
    {302, "Object temporarily moved"},
    {303, "Redirection with new access method."},
    {304, "If-modified-since was not modified."},
    {305, "Redirection to proxy, location header specifies proxy to use."},
    {307, "HTTP/1.1: keep same verb"},
    {400, "Invalid syntax."},
    {401, "Access denied."},
    {402, "Payment required."},
    {403, "Request forbidden."},
    {404, "Object not found. Bad URL."},
    {405, "Method is not allowed."},
    {406, "No response acceptable to client found."},
    {407, "Proxy authentication required."},
    {408, "Server timed out waiting for request."},
    {409, "User should resubmit with more info."},
    {410, "The resource is no longer available."},
    {411, "The server refused to accept request without a length."},
    {412, "Precondition given in request failed."},
    {413, "Request entity was too large."},
    {414, "Request URI too long."},
    {415, "Unsupported media type."},
    {500, "Internal server error."},
    {501, "Required not supported."},
    {502, "Error response received from gateway."},
    {503, "Temporarily overloaded."},
    {504, "Timed out waiting for gateway."},
    {505, "HTTP version not supported."},
}};

}  // namespace

std::string StatusCodeText(long code) {
  const auto it = std::find_if(kStatusTexts.begin(), kStatusTexts.end(),
                               [code](const auto& row) { return row.first == code; });
  return it == kStatusTexts.end() ? std::string() : std::string(it->second);
}

}  // namespace pellavan::platform
