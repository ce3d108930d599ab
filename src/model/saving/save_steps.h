#pragma once
// The steps that the saves of files and the opens that finish a cut save share.

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace pellavan::model {

// The file a path names, its symbolic links followed (the last one may lead nowhere yet).
[[nodiscard]] std::filesystem::path link_target(const std::filesystem::path& path,
                                                std::error_code& ec);

[[nodiscard]] std::filesystem::path folder_of(const std::filesystem::path& file);

// Writes all bytes over the file open in fd, from its start, cuts it to their length and flushes
// it to the disk. The room is taken first where the file system can, so that a full disk leaves
// the file as it was.
[[nodiscard]] std::error_code write_in_place(int fd, std::span<const std::uint8_t> bytes);

}  // namespace pellavan::model
