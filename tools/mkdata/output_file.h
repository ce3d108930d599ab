#pragma once
// Writes a built file so that a failed or interrupted build never leaves a half-written file
// that looks newer than its source: the bytes go to a temporary file beside the target, which
// then replaces it.

#include <cstdint>
#include <filesystem>
#include <span>

namespace pellavan::mkdata {

// Throws std::runtime_error naming the path when the file cannot be written.
void write_file_replacing(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

}  // namespace pellavan::mkdata
