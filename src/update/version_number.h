#pragma once
// The version numbers the check compares. The running version's number is the decimal number
// written as major "." minor revision, each a plain decimal without leading zeros: 5.0.1 reads
// 5.01, and so does 5.0.10 ("5.010"). The version files on the server are written to that rule,
// so it is kept as it is. The number on the web is the leading number of the version file's
// first field.

#include <string>
#include <string_view>

namespace pellavan::update {

// ThisVersionNumber of a program version.
[[nodiscard]] double this_version_number(int major, int minor, int revision);

// The first field of a text: leading blanks skipped; a field that begins with a double quote
// runs to the next one, any other to the first comma or line end.
[[nodiscard]] std::string_view first_field(std::string_view text);

// WebVersionNumber of a version file's text: the number at the start of its first field, 0 when
// there is none.
[[nodiscard]] double web_version_number(std::string_view file_text);

// Whether a version file's text names a version: its first field, blanks around it left out, is
// a version number (one to three digits, then a point and up to six more, above 0) and nothing
// else. An error page, an empty or damaged file or a number like "1e400" is none.
[[nodiscard]] bool reads_as_version(std::string_view file_text);

// WebVersionText: the number with the pattern "0.0.00" (5.001 -> "5.0.01", 5.02 -> "5.0.20").
[[nodiscard]] std::string web_version_text(double number);

}  // namespace pellavan::update
