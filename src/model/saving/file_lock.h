#pragma once
// The locks by which saves in place and opens of a file take turns.
//   - A turn (FileTurn) is had among the user's own programs only: it is a lock on a file named
//     for the file in the user's own folder (journal_folder.h), which no other user can take. A
//     save in place holds it exclusively from before its journal is written until the file is
//     whole; an open holds it shared while it looks for a cut save and finishes it, so that opens
//     never wait for one another and a save waits for every open and every other save.
//   - Besides, a save in place and an open lock the file itself for a moment (lock_file), so
//     that the programs of two users saving one file take turns too; what another program holds
//     there, a read lock of anyone who may read the file, is waited for briefly and then not.
//   - These are locks on the open file (fcntl's F_OFD_SETLK over the whole file), which the
//     kernel gives up when the process dies, and which flock() locks of other programs do not
//     touch.
//   - Nobody waits for good: a turn that cannot be had within kLockWait is not taken, and the
//     caller says why (a save "in use by another program", an open "being saved").
//   - A file system without such locks goes unlocked.

#include <chrono>
#include <optional>
#include <string>

#include "model/saving/regular_file.h"

namespace pellavan::model {

inline constexpr std::chrono::milliseconds kLockWait{3000};
// How long a save or an open waits for what others hold on the file itself.
inline constexpr std::chrono::milliseconds kOthersLockWait{1000};

enum class FileLock {
  kOpen,  // shared; fd must be open for reading
  kSave,  // exclusive; fd must be open for writing
};

// Takes the lock on the file open in fd, waiting at most `wait`; false when it is held elsewhere
// all that time.
[[nodiscard]] bool lock_file(int fd, FileLock kind, std::chrono::milliseconds wait = kLockWait);

class FileTurn {
 public:
  // The turn named name in the folder open in `folder`; nothing when it is held elsewhere all
  // of `wait`. Where its lock file cannot be made, the turn is had without a lock.
  [[nodiscard]] static std::optional<FileTurn> take(int folder, const std::string& name,
                                                    FileLock kind,
                                                    std::chrono::milliseconds wait = kLockWait);

  FileTurn(FileTurn&&) noexcept = default;
  FileTurn& operator=(FileTurn&&) noexcept = default;
  FileTurn(const FileTurn&) = delete;
  FileTurn& operator=(const FileTurn&) = delete;
  // Lets go; the lock file goes where nobody else holds it.
  ~FileTurn();

 private:
  FileTurn(OpenFile folder, std::string name, OpenFile lock)
      : folder_(std::move(folder)), name_(std::move(name)), lock_(std::move(lock)) {}

  OpenFile folder_;
  std::string name_;
  OpenFile lock_;
};

}  // namespace pellavan::model
