#pragma once
// A file write that failed: the error and the file or folder it concerns, so that a message can
// name both in a contractor's words.

#include <filesystem>
#include <string>
#include <system_error>

namespace pellavan::model {

struct WriteFailure {
  enum class Place {
    kFile,    // the file written: it cannot be opened, or written in place
    kFolder,  // its folder: no new file can be made or renamed there
    kSource,  // the file copied from cannot be read
  };

  std::error_code code;
  Place place = Place::kFile;
  std::filesystem::path path;

  explicit operator bool() const noexcept { return static_cast<bool>(code); }
};

// The cause alone, e.g. "permission denied", "the disk is read-only".
[[nodiscard]] std::string cause_words(std::error_code code);

// The whole sentence, e.g. "The folder "/home/ann/jobs" cannot be written: permission denied".
[[nodiscard]] std::string failure_words(const WriteFailure& failure);

}  // namespace pellavan::model
