#pragma once
// Where the journals of saves in place (save_journal.h) are kept, so that a journal is only ever
// one the user's own save made, and every name of the file finds it:
//   - In the user's own folder: "pellavan" under $XDG_STATE_HOME, or under ~/.local/state where
//     that is not an absolute path, made with mode 0700 where missing. It is used when only the
//     user may write it: the user's, without write for group or others (reading them is no
//     harm), reached by its path or by a symbolic link. Another folder there is not used: no
//     journal is read from it, and a save that needs one is refused, naming the folder and why.
//   - A journal is named by the file's inode number and generation (its birth time where the
//     file system keeps no generation), which stay with the file when its disk comes back under
//     another device number; any name of the file, in any folder, finds it. A journal of another
//     user's save is in that user's folder, not looked at.
//   - It is read only when it is a regular file of the user's, opened without following a link or
//     waiting (a FIFO there is never read).
//   - The turns of the user's programs at a file (file_lock.h) are lock files in the same folder,
//     named like the file's journal.
//   - The earlier versions kept journals beside the file (kLegacyJournalPrefix and the inode
//     number), and in the user's folder named by device and inode number. Such a journal is still
//     finished; one beside the file only where it is a regular file of the user's own in a folder
//     that nobody else may write; whatever else has that name there, which anyone who may write
//     the folder could have put, is never read, waited for or removed.

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/saving/regular_file.h"
#include "model/saving/file_lock.h"
#include "model/saving/save_journal.h"

namespace pellavan::model {

inline constexpr std::string_view kLegacyJournalPrefix = ".pellavan-journal-";

// The identity of the file open in fd; ec where not even its inode can be had.
[[nodiscard]] FileIdentity file_identity(int fd, std::error_code& ec);

// Where the file a journal names lies, as against a file found by the journal's name. A block
// copy of a disk (an image of it, a snapshot) holds the file with its inode, generation and birth
// time, and mostly its file system's id too; what tells them apart is the device the save wrote
// on, which the journal records:
//   - kAnother: a file system with an id of its own (not made of its device number) other than
//     the journal's; or another device, while a file system of the journal's id is still
//     mounted from the one the save wrote on (the file lies there, and this is a copy of it or
//     it of this one);
//   - kThis: else the same device, or a journal of an earlier version, which names none;
//   - kPerhapsThis: else, the disk the save wrote on being mounted no more: this one, come back
//     under another device number, or a copy of it while that disk is away.
enum class JournalDisk { kThis, kPerhapsThis, kAnother };
[[nodiscard]] JournalDisk journal_disk(const FileIdentity& journal, const FileIdentity& file);

// "journal-", then the inode number and the generation (or birth time) in hexadecimal, joined
// by "." (so that no name the earlier version gave, joined by "-", is taken for one).
[[nodiscard]] std::string journal_name(const FileIdentity& file);

// The name the earlier version gave it: "journal-", the device and the inode number.
[[nodiscard]] std::string device_journal_name(const struct stat& st);

class JournalFolder {
 public:
  enum class Missing { kMake, kLeave };

  // The user's folder, made where missing when asked; nothing, with ec, where it cannot be had or
  // others may write it (journal_folder_category()).
  [[nodiscard]] static std::optional<JournalFolder> open(Missing missing, std::error_code& ec);

  // Where the folder is or would be made.
  [[nodiscard]] static std::filesystem::path location();

  // The journal of that name, when one of the user's is there; ec when it cannot be read.
  [[nodiscard]] std::optional<std::vector<std::uint8_t>> read(const std::string& name,
                                                              std::error_code& ec) const;

  // Puts the journal of the file under its name whole: written aside, flushed, renamed, the
  // folder flushed. A write that fails leaves nothing.
  [[nodiscard]] std::error_code write(const FileIdentity& file,
                                      std::span<const std::uint8_t> bytes) const;

  // Removes the journal of that name, and what a write of it cut off left aside.
  void remove(const std::string& name) const;

  // Removes the journals of earlier files that had the file's inode number on its disk: those
  // files are gone, and their journals would never be found again.
  void remove_earlier(const FileIdentity& file) const;

  // The user's turn at the file (file_lock.h).
  [[nodiscard]] std::optional<FileTurn> take_turn(const FileIdentity& file, FileLock kind) const;

 private:
  explicit JournalFolder(OpenFile folder) : folder_(std::move(folder)) {}
  OpenFile folder_;
};

// The user's turn at the file at path, taken as a save or an open of it takes it; nothing when
// it is held elsewhere, the file cannot be opened or the user's folder cannot be had.
[[nodiscard]] std::optional<FileTurn> take_turn_at(const std::filesystem::path& file,
                                                   FileLock kind);

// Why a folder of journals is not used, as the failure's cause tells it.
enum class ForeignFolder { kOtherOwner = 1, kOthersMayWrite };
[[nodiscard]] const std::error_category& journal_folder_category();

// kLegacyJournalPrefix and the inode number in hexadecimal.
[[nodiscard]] std::string legacy_journal_name(std::uint64_t inode);

// The earlier version's journal of the file of that inode in folder, under the conditions above.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> read_legacy_journal(
    const std::filesystem::path& folder, std::uint64_t inode, std::error_code& ec);

// Removes it, under the same conditions.
void remove_legacy_journal(const std::filesystem::path& folder, std::uint64_t inode);

}  // namespace pellavan::model
