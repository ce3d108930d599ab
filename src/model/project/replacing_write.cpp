#include "model/project/replacing_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "model/project/save_journal.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

// Younger temporary files may belong to a save that has made them but not yet locked them.
constexpr auto kStaleAge = std::chrono::seconds(10);
constexpr int kMostLinks = 40;
// A new file's mode before the umask (or the folder's default ACL) takes its part.
constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
// Larger files are not journals of ours.
constexpr off_t kMostJournalBytes = off_t{1} << 28;

std::error_code last_error() { return {errno, std::generic_category()}; }

// The file a path names, its symbolic links followed (the last one may lead nowhere yet).
fs::path link_target(const fs::path& path, std::error_code& ec) {
  fs::path p = path;
  for (int i = 0; i < kMostLinks; ++i) {
    std::error_code ignored;  // a missing file is no link
    if (!fs::is_symlink(fs::symlink_status(p, ignored))) return p;
    const fs::path next = fs::read_symlink(p, ec);
    if (ec) return {};
    p = next.is_absolute() ? next : p.parent_path() / next;
  }
  ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return {};
}

fs::path folder_of(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

bool is_temporary_name(const std::string& name) {
  return name.size() == kTemporaryPrefix.size() + 6 && name.starts_with(kTemporaryPrefix);
}

// Removes the temporary files that saves killed in the folder left: named as ours, a regular
// file, old enough, and not locked by a save still running.
void remove_stale_temporaries(const fs::path& folder) {
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path& p = it->path();
    std::error_code ignored;
    if (!is_temporary_name(p.filename().string()) || !it->is_regular_file(ignored) ||
        it->is_symlink(ignored) || now - fs::last_write_time(p, ignored) < kStaleAge)
      continue;
    const int fd = ::open(p.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) ::unlink(p.c_str());
    ::close(fd);
  }
}

// Flushes the folder's entries, so that a rename survives a power cut.
std::error_code sync_folder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return last_error();
  std::error_code ec;
  if (::fsync(fd) != 0 && errno != EINVAL) ec = last_error();  // EINVAL: cannot be synced
  ::close(fd);
  return ec;
}

// Writes all bytes to fd and flushes them to the disk.
std::error_code write_all(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return last_error();
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  if (::fsync(fd) != 0) return last_error();
  return {};
}

// Writes all bytes over the file open in fd, from its start, and cuts it to their length. The
// room is taken first where the file system can, so that a full disk leaves the file as it was.
std::error_code write_in_place(int fd, std::span<const std::uint8_t> bytes) {
  const auto size = static_cast<off_t>(bytes.size());
  if (const int e = ::posix_fallocate(fd, 0, size); e != 0 && e != EOPNOTSUPP && e != EINVAL)
    return {e, std::generic_category()};
  off_t at = 0;
  while (!bytes.empty()) {
    const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
    if (n < 0) {
      if (errno == EINTR) continue;
      return last_error();
    }
    bytes = bytes.subspan(static_cast<std::size_t>(n));
    at += n;
  }
  if (::ftruncate(fd, size) != 0 || ::fsync(fd) != 0) return last_error();
  return {};
}

// Closes the file when it goes, which also gives up a lock taken on it.
struct OpenFile {
  int fd;
  explicit OpenFile(int opened) : fd(opened) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() {
    if (fd >= 0) ::close(fd);
  }
};

// Waits for the lock that a save in place holds on its file while the file may be half written
// (the kernel gives up a dead process's lock). A file system without locks goes unlocked.
void lock_file(int fd) {
  while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
  }
}

// The whole file at path, read from its start; files past kMostJournalBytes are refused.
std::error_code read_file(const fs::path& path, std::vector<std::uint8_t>& out) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return last_error();
  std::error_code ec;
  struct stat st {};
  if (::fstat(fd, &st) != 0) ec = last_error();
  if (!ec && st.st_size > kMostJournalBytes) ec = std::make_error_code(std::errc::file_too_large);
  out.clear();
  std::uint8_t chunk[8192];
  while (!ec) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ec = last_error();
    if (n <= 0) break;
    out.insert(out.end(), chunk, chunk + n);
  }
  ::close(fd);
  return ec;
}

// A new temporary file of ours in folder, made with mode (less the umask) and locked until it
// is closed, so that no other save takes it for a stale one; -1 with errno on failure.
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
      ::flock(fd, LOCK_EX);
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
  std::error_code ec = write_all(fd, bytes);
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
  return sync_folder(folder);
}

// Writes bytes over the file of several names open in fd, where it is. The journal of both
// versions is whole beside it before the first byte changes and goes once the file is whole
// again; a write that fails puts the old version back. The file stays locked until fd is
// closed, so that an open waits for it whole instead of taking the save for a cut one.
WriteFailure write_journaled(int fd, const fs::path& target, const struct stat& file,
                             std::span<const std::uint8_t> bytes) {
  lock_file(fd);
  const fs::path folder = folder_of(target);
  SaveJournal journal{static_cast<std::uint64_t>(file.st_ino), {}, {bytes.begin(), bytes.end()}};
  if (const std::error_code ec = read_file(target, journal.old_bytes))
    return {ec, WriteFailure::Place::kFile, target};
  remove_stale_temporaries(folder);
  struct stat like = file;
  like.st_mode &= 0777;  // the file's readers, without its set-id bits
  const fs::path journal_path = folder / journal_name(journal.file_id);
  if (const std::error_code ec =
          write_by_rename(folder, journal_path, encode_journal(journal), &like))
    return {ec, WriteFailure::Place::kFolder, folder};
  const std::error_code ec = write_in_place(fd, bytes);
  // Where not even the old version goes back, the journal stays for the next open.
  if (ec && write_in_place(fd, journal.old_bytes)) return {ec, WriteFailure::Place::kFile, target};
  // Not flushed: should a power cut bring the journal back, the file it finds is whole.
  ::unlink(journal_path.c_str());
  if (ec) return {ec, WriteFailure::Place::kFile, target};
  return {};
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
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return on_file(last_error());
    WriteFailure failure;
    if (::fstat(fd, &old) != 0) failure = on_file(last_error());
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
  // A journal left by a cut save of the file this one replaced is of no use now.
  if (exists) ::unlink((folder / journal_name(static_cast<std::uint64_t>(old.st_ino))).c_str());
  return {};
}

WriteFailure copy_file_replacing(const std::filesystem::path& source,
                                 const std::filesystem::path& target) {
  const auto on_source = [&](std::error_code e) -> WriteFailure {
    return {e, WriteFailure::Place::kSource, source};
  };
  std::error_code ec;
  if (!std::filesystem::is_regular_file(source, ec))
    return on_source(ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
  std::ifstream in(source, std::ios::binary);
  if (!in) return on_source(std::make_error_code(std::errc::permission_denied));
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  if (in.bad()) return on_source(std::make_error_code(std::errc::io_error));
  return write_file_replacing(target, bytes);
}

InterruptedSave finish_interrupted_save(const std::filesystem::path& path) {
  std::error_code ec;
  const fs::path target = link_target(path, ec);
  struct stat file {};
  if (ec || ::stat(target.c_str(), &file) != 0 || !S_ISREG(file.st_mode)) return {};
  // Locked as a save in place locks it: a save still writing the file ends first, and none
  // begins until this one is done. A file that cannot be read fails below if it has a journal.
  const OpenFile locked(::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
  if (locked.fd >= 0) {
    lock_file(locked.fd);
    if (::fstat(locked.fd, &file) != 0) return {};
  }
  const fs::path journal_path =
      folder_of(target) / journal_name(static_cast<std::uint64_t>(file.st_ino));
  const auto failed = [](std::error_code e, WriteFailure::Place place, const fs::path& p) {
    return InterruptedSave{false, {e, place, p}};
  };
  std::vector<std::uint8_t> bytes;
  if (const std::error_code e = read_file(journal_path, bytes)) {
    if (e == std::errc::no_such_file_or_directory) return {};
    if (e != std::errc::too_many_symbolic_link_levels && e != std::errc::file_too_large)
      return failed(e, WriteFailure::Place::kSource, journal_path);
    bytes.clear();  // not a journal of ours
  }
  const std::optional<SaveJournal> journal = decode_journal(bytes);
  std::vector<std::uint8_t> current;
  if (journal && journal->file_id == static_cast<std::uint64_t>(file.st_ino)) {
    if (const std::error_code e = read_file(target, current))
      return failed(e, WriteFailure::Place::kSource, target);
  }
  // Damaged, of another file, of a save that ended, or of a file written since: it goes.
  if (!journal || journal->file_id != static_cast<std::uint64_t>(file.st_ino) ||
      current == journal->new_bytes || !left_by_cut_write(current, *journal)) {
    ::unlink(journal_path.c_str());
    return {};
  }
  const int fd = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return failed(last_error(), WriteFailure::Place::kFile, target);
  ec = write_in_place(fd, journal->new_bytes);
  if (::close(fd) != 0 && !ec) ec = last_error();
  if (ec) return failed(ec, WriteFailure::Place::kFile, target);
  ::unlink(journal_path.c_str());
  return {true, {}};
}

}  // namespace pellavan::model
