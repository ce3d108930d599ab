#pragma once
// The texts the HTTP class gives the status codes it reports. A status other than 200 that has
// a text is an error; every other status passes like 200.

#include <string>

namespace pellavan::platform {

// The text of a status code, "" for a code without one (StatusCodeText).
[[nodiscard]] std::string StatusCodeText(long code);

}  // namespace pellavan::platform
