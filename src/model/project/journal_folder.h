#pragma once
// Where the journals of saves in place (save_journal.h) are kept, so that a journal is only ever
// one the user's own save made, and every name of the file finds it:
//   - In the user's own folder: "pellavan" under $XDG_STATE_HOME, or under ~/.local/state where
//     that is not an absolute path, made with mode 0700 where missing. A folder there that is not
//     the user's alone (another owner, open to group or others, a symbolic link) is not used: no
//     journal is read from it, and a save that needs one is refused, naming the folder.
//   - A journal is named by the file's device and inode number: any name of the file, in any
//     folder, finds it; a journal of another user's save is in that user's folder, not looked at.
//   - It is read only when it is a regular file of the user's, opened without following a link or
//     waiting (a FIFO there is never read).
//   - The earlier version kept journals beside the file (kLegacyJournalPrefix and the inode
//     number). Such a journal is still finished, but only where it is a regular file of the
//     user's own in a folder that nobody else may write; whatever else has that name there, which
//     anyone who may write the folder could have put, is never read, waited for or removed.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/catalogue/regular_file.h"

namespace pellavan::model {

inline constexpr std::string_view kLegacyJournalPrefix = ".pellavan-journal-";

// The identity of a file, whichever of its names it is reached by.
struct FileKey {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
};

[[nodiscard]] FileKey file_key(const struct stat& st);

// "journal-", then the device and the inode number in hexadecimal, joined by "-".
[[nodiscard]] std::string journal_name(FileKey key);

class JournalFolder {
 public:
  enum class Missing { kMake, kLeave };

  // The user's folder, made where missing when asked; nothing, with ec, where it cannot be had or
  // is not the user's alone.
  [[nodiscard]] static std::optional<JournalFolder> open(Missing missing, std::error_code& ec);

  // Where the folder is or would be made.
  [[nodiscard]] static std::filesystem::path location();

  // The journal of the file, when one of the user's is there; ec when it cannot be read.
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> read(FileKey key,
                                                              std::error_code& ec) const;

  // Puts the journal under its name whole: written aside, flushed, renamed, the folder flushed.
  [[nodiscard]] std::error_code write(FileKey key, std::span<const std::uint8_t> bytes) const;

  // Removes the journal of the file, and what a write of it cut off left aside.
  void remove(FileKey key) const;

 private:
  explicit JournalFolder(OpenFile folder) : folder_(std::move(folder)) {}
  OpenFile folder_;
};

// kLegacyJournalPrefix and the inode number in hexadecimal.
[[nodiscard]] std::string legacy_journal_name(std::uint64_t inode);

// The earlier version's journal of the file of that inode in folder, under the conditions above.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> read_legacy_journal(
    const std::filesystem::path& folder, std::uint64_t inode, std::error_code& ec);

// Removes it, under the same conditions.
void remove_legacy_journal(const std::filesystem::path& folder, std::uint64_t inode);

}  // namespace pellavan::model
