#pragma once
// The catalogue files as a run reads them. Each file's path is found once, without regard to
// case, and looked for again only when nothing is left at it; each file is read whole once and
// kept while it keeps its size, times and identity (once its times have settled), so a Data folder
// edited while the program runs is read again at the next look-up. A file larger than any catalogue
// of its record length can be is refused as damaged before it is read.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pellavan::model {

// No catalogue holds more records than this; a larger file is damaged (a zero-filled or
// runaway file would otherwise be scanned to its end at every look-up).
inline constexpr std::uint64_t kMostCatalogueRecords = 10'000;

using CatalogueBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

class CatalogueCache {
 public:
  // The bytes of the Data folder's file_name, whose path goes into `path` first. Throws
  // DataFileFailure with the path and kFileNotFoundMessage when the file is missing, not a
  // regular file or cannot be opened for reading; with kFileErrorMessage when it holds more than
  // kMostCatalogueRecords records of record_length bytes or cannot be read.
  [[nodiscard]] CatalogueBytes read(const std::filesystem::path& program_folder,
                                    std::string_view file_name, std::size_t record_length,
                                    std::string& path);

  // Whether the Data folder's file_name is a regular file.
  [[nodiscard]] bool exists(const std::filesystem::path& program_folder,
                            std::string_view file_name);

  // What tells one state of a file from another.
  struct Stamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified_ns = 0, changed_ns = 0;
    friend bool operator==(const Stamp&, const Stamp&) = default;
  };

 private:
  struct Kept {
    Stamp stamp;
    bool settled = false;  // false: read again at the next look-up
    CatalogueBytes bytes;
  };

  // The path found for the file, and the stamp of the regular file there, if any.
  const std::string& locate(const std::filesystem::path& program_folder, std::string_view file_name,
                            std::optional<Stamp>& stamp);

  std::map<std::pair<std::string, std::string>, std::string, std::less<>> paths_;
  std::map<std::string, Kept, std::less<>> kept_;
};

}  // namespace pellavan::model
