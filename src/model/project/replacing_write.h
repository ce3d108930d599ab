#pragma once
// Writing a whole file so that a failure never destroys the file that was there: the bytes go
// to a temporary file in the same folder, are flushed to the disk, and only then is the
// temporary file renamed over the target. A failed write removes the temporary file and leaves
// the target untouched. The new file keeps the permissions of the one it replaces.

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace pellavan::model {

[[nodiscard]] std::error_code write_file_replacing(const std::filesystem::path& target,
                                                   std::span<const std::uint8_t> bytes);

// Copies source over target the same way; a missing or unreadable source is an error and
// leaves target untouched.
[[nodiscard]] std::error_code copy_file_replacing(const std::filesystem::path& source,
                                                  const std::filesystem::path& target);

}  // namespace pellavan::model
