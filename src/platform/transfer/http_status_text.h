#pragma once
// The texts the HTTP class gives the status codes it reports, and which statuses count as a
// delivered resource.

#include <string>

namespace pellavan::platform {

// The text of a status code, "" for a code without one (StatusCodeText).
[[nodiscard]] std::string StatusCodeText(long code);

// True when the response carries the resource: a 2xx status other than 202 (accepted, not done
// yet) and 204 (no content). Every other status is an error.
[[nodiscard]] bool delivers_resource(long code);

// The description of an error status: its text, or a generic one for a code without a text.
[[nodiscard]] std::string status_error_text(long code);

}  // namespace pellavan::platform
