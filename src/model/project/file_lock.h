#pragma once
// The lock by which saves in place and opens of a file take turns, across processes and users. A
// save in place holds the save lock from before its journal is written until the file is whole; an
// open holds the open lock while it looks for a cut save and finishes it. Opens share theirs, so
// that they never wait for one another; a save waits for every open and every other save.
//   - It is a lock on the open file (fcntl's F_OFD_SETLK over the whole file), which the kernel
//     gives up when the process dies, and which flock() locks of other programs do not touch: a
//     reader holding `flock -s` never holds up an open or a save.
//   - Nobody waits for good: a lock that cannot be had within kLockWait is not taken, and the
//     caller says why (a save "in use by another program", an open "being saved").
//   - A file system without such locks goes unlocked.

#include <chrono>

namespace pellavan::model {

inline constexpr std::chrono::milliseconds kLockWait{3000};

enum class FileLock {
  kOpen,  // shared; fd must be open for reading
  kSave,  // exclusive; fd must be open for writing
};

// Takes the lock on the file open in fd, waiting at most `wait`; false when it is held elsewhere
// all that time.
[[nodiscard]] bool lock_file(int fd, FileLock kind, std::chrono::milliseconds wait = kLockWait);

}  // namespace pellavan::model
