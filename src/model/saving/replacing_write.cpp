#include "model/saving/replacing_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "model/saving/regular_file.h"
#include "model/saving/file_lock.h"
#include "model/saving/journal_folder.h"
#include "model/saving/save_journal.h"
#include "model/saving/save_steps.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

// Younger temporary files may belong to a save that has made them but not yet locked them.
constexpr auto kStaleAge = std::chrono::seconds(10);
// A new file's mode before the umask (or the folder's default ACL) takes its part.
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

bool is_temporary_name(const std::string& name) {
  return name.size() == kTemporaryPrefix.size() + 6 && name.starts_with(kTemporaryPrefix);
}

// Removes the temporary files that saves killed in the folder left: named as ours, a regular
// file of the user's, old enough, and not locked by a save still running.
void remove_stale_temporaries(const fs::path& folder) {
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    std::error_code ignored;
    if (!is_temporary_name(p.filename().string()) ||
        now - fs::last_write_time(p, ignored) < kStaleAge)
      continue;
    std::error_code not_ours;
    const OpenFile file = open_regular_file(p, O_RDONLY | O_NOFOLLOW, not_ours);
    struct stat st {};
    if (not_ours || ::fstat(file.get(), &st) != 0 || st.st_uid != ::geteuid()) continue;
    if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0) ::unlink(p.c_str());
  }
}

// Flushes the folder's entries, so that a rename survives a power cut.
std::error_code sync_folder_at(const fs::path& folder) {
  const OpenFile fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd ? sync_folder(fd.get()) : last_error();
}

// A new temporary file of ours in folder, made with mode (less the umask) and locked where no one
// else has it open, so that no other save takes it for a stale one; -1 with errno on failure.
int make_temporary(const fs::path& folder, mode_t mode, fs::path& made) {
  static constexpr std::string_view kLetters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  // Drawn afresh each time: a process forked from this one must not draw the same names.
  std::random_device device;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name(kTemporaryPrefix);
    for (std::uint64_t r = std::uint64_t{device()} << 32 | device();
         name.size() < kTemporaryPrefix.size() + 6; r /= kLetters.size())
      name += kLetters[r % kLetters.size()];
    made = folder / name;
    const int fd = ::open(made.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0) {
      // Not waited for: whoever else holds it keeps the stale-file sweep off it as well.
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// Writes bytes as the file at path in folder: a temporary file, flushed, given the mode, owner
// and group of like (when given), renamed over path, and the folder flushed.
std::error_code write_by_rename(const fs::path& folder, const fs::path& path,
                                std::span<const std::uint8_t> bytes, const struct stat* like) {
  fs::path temp;
  const int fd = make_temporary(folder, like ? S_IRUSR | S_IWUSR : kNewFileMode, temp);
  if (fd < 0) return last_error();
  std::error_code ec = write_and_sync(fd, bytes);
  if (!ec) {
    if (like) {
      ::fchmod(fd, like->st_mode & 07777);
      // The owner and group stay where the user may keep them (root, or a group of the user's).
      [[maybe_unused]] const int kept = ::fchown(fd, like->st_uid, like->st_gid);
    }
    fs::rename(temp, path, ec);
  }
  if (::close(fd) != 0 && !ec) ec = last_error();
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return ec;
  }
  return sync_folder_at(folder);
}

// The bytes of the file at target, when it is still the file `file` describes (fd may be open
// for writing only).
std::error_code read_same_file(const fs::path& target, const struct stat& file,
                               std::vector<std::uint8_t>& out) {
  std::error_code ec;
  const OpenFile reading = open_regular_file(target, O_RDONLY | O_NOFOLLOW, ec);
  if (ec) return ec;
  struct stat st {};
  if (::fstat(reading.get(), &st) != 0) return last_error();
  if (st.st_dev != file.st_dev || st.st_ino != file.st_ino)
    return std::make_error_code(std::errc::device_or_resource_busy);  // replaced meanwhile
  return read_whole_file(reading.get(), out, kMostInPlaceBytes);
}

// Writes bytes over the file of several names open in fd, where it is. The journal of both
// versions is whole in the user's folder before the first byte changes and goes once the file
// is whole again; a write that fails puts the old version back. The user's turn at the file is
// held until the file is whole, so that an open waits for it instead of taking the save for a
// cut one.
WriteFailure write_journaled(int fd, const fs::path& target, const struct stat& file,
                             std::span<const std::uint8_t> bytes) {
  const auto on_file = [&](std::error_code e) -> WriteFailure {
    return {e, WriteFailure::Place::kFile, target};
  };
  // Its journal holds both versions, and no longer ones.
  if (bytes.size() > kMostInPlaceBytes)
    return on_file(std::make_error_code(std::errc::file_too_large));
  std::error_code ec;
  const FileIdentity identity = file_identity(fd, ec);
  if (ec) return on_file(ec);
  const std::optional<JournalFolder> journals =
      JournalFolder::open(JournalFolder::Missing::kMake, ec);
  if (!journals) return {ec, WriteFailure::Place::kFolder, JournalFolder::location()};
  const std::optional<FileTurn> turn = journals->take_turn(identity, FileLock::kSave);
  if (!turn) return on_file(std::make_error_code(std::errc::device_or_resource_busy));
  // Another user's save of the file is waited for a moment; what else holds it is not.
  (void)lock_file(fd, FileLock::kSave, kOthersLockWait);
  SaveJournal journal{identity, {}, {bytes.begin(), bytes.end()}};
  if ((ec = read_same_file(target, file, journal.old_bytes))) return on_file(ec);
  if ((ec = journals->write(identity, encode_journal(journal))))
    return {ec, WriteFailure::Place::kFolder, JournalFolder::location()};
  // A journal of an earlier version is of no use now.
  remove_legacy_journal(folder_of(target), file.st_ino);
  journals->remove(device_journal_name(file));
  ec = write_in_place(fd, bytes);
  // Where not even the old version goes back, the journal stays for the next open.
  if (ec && write_in_place(fd, journal.old_bytes)) return on_file(ec);
  // Not flushed: should a power cut bring the journal back, the file it finds is whole.
  journals->remove(journal_name(identity));
  if (ec) return on_file(ec);
  return {};
}

// After the file was replaced by a new one: its journals are of no use now.
void forget_journals(const fs::path& folder, const struct stat& replaced,
                     const FileIdentity& identity) {
  std::error_code none;
  if (const auto journals = JournalFolder::open(JournalFolder::Missing::kLeave, none)) {
    journals->remove(journal_name(identity));
    journals->remove(device_journal_name(replaced));
  }
  remove_legacy_journal(folder, replaced.st_ino);
}

}  // namespace

WriteFailure write_file_replacing(const std::filesystem::path& path,
                                  std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  const fs::path target = link_target(path, ec);
  if (ec) return {ec, WriteFailure::Place::kFile, path};
  const auto on_file = [&](std::error_code e) -> WriteFailure {
    return {e, WriteFailure::Place::kFile, target};
  };
  // A file already there is replaced only when the user could open it for writing (its mode,
  // owner and file system allow it): a save never takes a file the user may not change.
  struct stat old {};
  FileIdentity identity;
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return on_file(last_error());
    WriteFailure failure;
    if (::fstat(fd, &old) != 0) failure = on_file(last_error());
    std::error_code none;
    identity = file_identity(fd, none);
    // A file of several names keeps them all: it is written where it is.
    const bool in_place = !failure && S_ISREG(old.st_mode) && old.st_nlink > 1;
    if (in_place) failure = write_journaled(fd, target, old, bytes);
    if (::close(fd) != 0 && !failure) failure = on_file(last_error());
    if (failure || in_place) return failure;
  }
  const fs::path folder = folder_of(target);
  remove_stale_temporaries(folder);
  if (const std::error_code e = write_by_rename(folder, target, bytes, exists ? &old : nullptr))
    return {e, WriteFailure::Place::kFolder, folder};
  if (exists) forget_journals(folder, old, identity);
  return {};
}

WriteFailure copy_file_replacing(const std::filesystem::path& source,
                                 const std::filesystem::path& target) {
  std::error_code ec;
  const OpenFile in = open_regular_file(source, O_RDONLY, ec);
  std::vector<std::uint8_t> bytes;
  if (!ec) ec = read_whole_file(in.get(), bytes, kMostInPlaceBytes);
  if (ec) return {ec, WriteFailure::Place::kSource, source};
  return write_file_replacing(target, bytes);
}

}  // namespace pellavan::model
