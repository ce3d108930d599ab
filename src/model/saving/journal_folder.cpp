#include "model/saving/journal_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <pwd.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kAsideSuffix = ".new";
constexpr std::string_view kJournalPrefix = "journal-";
constexpr std::string_view kTurnPrefix = "lock-";

class FolderCategory : public std::error_category {
 public:
  [[nodiscard]] const char* name() const noexcept override { return "journal folder"; }
  [[nodiscard]] std::string message(int reason) const override {
    return static_cast<ForeignFolder>(reason) == ForeignFolder::kOtherOwner
               ? "it belongs to another user"
               : "other users may write in it";
  }
};

std::string hex(std::uint64_t n) {
  std::array<char, 17> text{};
  std::snprintf(text.data(), text.size(), "%llx", static_cast<unsigned long long>(n));
  return text.data();
}

fs::path home_folder() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') return home;
  std::array<char, 4096> buffer{};
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir != nullptr && *found->pw_dir == '/')
    return found->pw_dir;
  return {};
}

std::uint64_t file_system_id(const struct statfs& st) {
  std::uint64_t id = 0;
  std::memcpy(&id, &st.f_fsid, std::min(sizeof id, sizeof st.f_fsid));
  return id;
}

// A path as the mount table writes it, its octal escapes ("\040" for a blank) undone.
std::string unescaped(std::string_view text) {
  const auto octal = [text](std::size_t k) {
    return k < text.size() && text[k] >= '0' && text[k] <= '7';
  };
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && octal(i + 1) && octal(i + 2) && octal(i + 3)) {
      out += static_cast<char>((text[i + 1] - '0') << 6 | (text[i + 2] - '0') << 3 |
                               (text[i + 3] - '0'));
      i += 3;
    } else {
      out += text[i];
    }
  }
  return out;
}

// True when a file system of that id is mounted from that device, as this process sees the
// mounts; false where they cannot be read.
bool is_mounted_from(std::uint64_t device, std::uint64_t file_system) {
  FILE* table = std::fopen("/proc/self/mountinfo", "re");
  if (table == nullptr) return false;
  char* line = nullptr;
  std::size_t size = 0;
  bool found = false;
  // "36 35 98:0 /root /mount/point options ...": the device, then where it is mounted.
  while (!found && ::getline(&line, &size, table) > 0) {
    unsigned major_number = 0, minor_number = 0;
    std::array<char, 4096> point{};
    if (std::sscanf(line, "%*u %*u %u:%u %*s %4095s", &major_number, &minor_number, point.data()) !=
            3 ||
        makedev(major_number, minor_number) != device)
      continue;
    struct statfs st {};
    found =
        ::statfs(unescaped(point.data()).c_str(), &st) == 0 && file_system_id(st) == file_system;
  }
  std::free(line);
  std::fclose(table);
  return found;
}

// A device number as the kernel writes it for user space, of which some file systems make their
// id.
std::uint64_t encoded_device(std::uint64_t device) {
  const std::uint32_t major_number = major(device), minor_number = minor(device);
  return (minor_number & 0xffu) | major_number << 8 | (minor_number & ~0xffu) << 12;
}

// True where the file system's id is its own, not made of the device it is mounted from, so
// that it tells one disk from another (a block copy from its original excepted).
bool has_own_id(const FileIdentity& file) {
  return file.file_system != 0 && file.device && file.file_system != encoded_device(*file.device);
}

// Makes the folders of the path that are missing, each for the user alone.
std::error_code make_missing_folders(const fs::path& folder) {
  fs::path at;
  for (const fs::path& part : folder) {
    at /= part;
    struct stat st {};
    if (::stat(at.c_str(), &st) == 0) continue;
    if (errno != ENOENT || (::mkdir(at.c_str(), S_IRWXU) != 0 && errno != EEXIST))
      return last_error();
  }
  return {};
}

// The regular file of the user's named name in the folder open in `at`; nothing when there is
// none (missing, a link, no regular file, another's), ec when one of the user's cannot be read.
std::optional<std::vector<std::uint8_t>> read_own(int at, const std::string& name,
                                                  std::error_code& ec) {
  ec.clear();
  std::error_code not_there;
  const OpenFile file = open_regular_file(at, name.c_str(), O_RDONLY | O_NOFOLLOW, not_there);
  struct stat st {};
  if (not_there || ::fstat(file.get(), &st) != 0 || st.st_uid != ::geteuid() ||
      static_cast<std::uint64_t>(st.st_size) > kMostJournalBytes)
    return std::nullopt;
  std::vector<std::uint8_t> bytes;
  ec = read_whole_file(file.get(), bytes, kMostJournalBytes);
  if (ec) return std::nullopt;
  return bytes;
}

// The folder open, when only the user may write it (its owner, without write for group or others).
OpenFile open_own_folder(const fs::path& folder) {
  OpenFile fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat st {};
  if (!fd || ::fstat(fd.get(), &st) != 0 || st.st_uid != ::geteuid() ||
      (st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
    return {};
  return fd;
}

}  // namespace

FileIdentity file_identity(int fd, std::error_code& ec) {
  ec.clear();
  FileIdentity file;
  struct statx sx {};
  if (::statx(fd, "", AT_EMPTY_PATH, STATX_INO | STATX_BTIME, &sx) != 0) {
    ec = last_error();
    return file;
  }
  file.inode = sx.stx_ino;
  if ((sx.stx_mask & STATX_BTIME) != 0)
    file.birth_ns = std::int64_t{sx.stx_btime.tv_sec} * 1'000'000'000 + sx.stx_btime.tv_nsec;
  if (int generation = 0; ::ioctl(fd, FS_IOC_GETVERSION, &generation) == 0)
    file.generation = static_cast<std::uint32_t>(generation);
  file.device = makedev(sx.stx_dev_major, sx.stx_dev_minor);
  if (struct statfs st{}; ::fstatfs(fd, &st) == 0) file.file_system = file_system_id(st);
  return file;
}

JournalDisk journal_disk(const FileIdentity& journal, const FileIdentity& file) {
  if (!journal.device) return JournalDisk::kThis;
  if (journal.file_system != file.file_system && (has_own_id(journal) || has_own_id(file)))
    return JournalDisk::kAnother;
  if (journal.device == file.device) return JournalDisk::kThis;
  return is_mounted_from(*journal.device, journal.file_system) ? JournalDisk::kAnother
                                                               : JournalDisk::kPerhapsThis;
}

std::string legacy_journal_name(std::uint64_t inode) {
  return std::string(kLegacyJournalPrefix) + hex(inode);
}

std::string journal_name(const FileIdentity& file) {
  const std::uint64_t told = file.generation ? *file.generation
                             : file.birth_ns ? static_cast<std::uint64_t>(*file.birth_ns)
                                             : 0;
  return std::string(kJournalPrefix) + hex(file.inode) + "." + hex(told);
}

std::string device_journal_name(const struct stat& st) {
  return std::string(kJournalPrefix) + hex(static_cast<std::uint64_t>(st.st_dev)) + "-" +
         hex(static_cast<std::uint64_t>(st.st_ino));
}

const std::error_category& journal_folder_category() {
  static const FolderCategory category;
  return category;
}

fs::path JournalFolder::location() {
  if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/')
    return fs::path(state) / "pellavan";
  const fs::path home = home_folder();
  if (home.empty()) return {};
  return home / ".local" / "state" / "pellavan";
}

std::optional<JournalFolder> JournalFolder::open(Missing missing, std::error_code& ec) {
  ec.clear();
  const fs::path folder = location();
  if (folder.empty()) {
    ec = std::make_error_code(std::errc::no_such_file_or_directory);
    return std::nullopt;
  }
  if (missing == Missing::kMake) {
    if ((ec = make_missing_folders(folder.parent_path()))) return std::nullopt;
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST) {
      ec = last_error();
      return std::nullopt;
    }
  }
  // A link is followed: what counts is who may write the folder it leads to.
  OpenFile fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat st {};
  if (!fd || ::fstat(fd.get(), &st) != 0) {
    ec = last_error();
    return std::nullopt;
  }
  if (st.st_uid != ::geteuid() || (st.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    ec = {static_cast<int>(st.st_uid != ::geteuid() ? ForeignFolder::kOtherOwner
                                                    : ForeignFolder::kOthersMayWrite),
          journal_folder_category()};
    return std::nullopt;
  }
  return JournalFolder(std::move(fd));
}

std::optional<std::vector<std::uint8_t>> JournalFolder::read(const std::string& name,
                                                             std::error_code& ec) const {
  return read_own(folder_.get(), name, ec);
}

std::error_code JournalFolder::write(const FileIdentity& file,
                                     std::span<const std::uint8_t> bytes) const {
  const std::string name = journal_name(file);
  const std::string aside = name + std::string(kAsideSuffix);
  std::error_code ec;
  OpenFile out =
      open_regular_file(folder_.get(), aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, ec,
                        S_IRUSR | S_IWUSR);
  if (ec) return ec;
  if (!(ec = write_and_sync(out.get(), bytes)) && ::close(out.release()) != 0) ec = last_error();
  if (!ec && ::renameat(folder_.get(), aside.c_str(), folder_.get(), name.c_str()) != 0)
    ec = last_error();
  if (!ec) ec = sync_folder(folder_.get());
  if (ec) remove(name);  // a full disk keeps nothing of it
  return ec;
}

void JournalFolder::remove(const std::string& name) const {
  ::unlinkat(folder_.get(), name.c_str(), 0);
  ::unlinkat(folder_.get(), (name + std::string(kAsideSuffix)).c_str(), 0);
}

void JournalFolder::remove_earlier(const FileIdentity& file) const {
  if (file.file_system == 0) return;  // no telling one file system from another
  const std::string own = journal_name(file);
  const std::string same_inode = std::string(kJournalPrefix) + hex(file.inode) + ".";
  DIR* listing = ::fdopendir(::fcntl(folder_.get(), F_DUPFD_CLOEXEC, 0));
  if (listing == nullptr) return;
  ::rewinddir(listing);
  std::vector<std::string> earlier;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (!name.starts_with(same_inode) || name == own || name.ends_with(kAsideSuffix)) continue;
    std::error_code ec;
    const auto bytes = read_own(folder_.get(), name, ec);
    const auto journal = bytes ? decode_journal(*bytes) : std::nullopt;
    // Of a file gone from this very disk, not from a copy of it or its original.
    if (journal && journal->file.file_system == file.file_system &&
        (!journal->file.device || journal->file.device == file.device) &&
        !is_same_file(journal->file, file))
      earlier.push_back(name);
  }
  ::closedir(listing);
  for (const std::string& name : earlier) remove(name);
}

std::optional<FileTurn> JournalFolder::take_turn(const FileIdentity& file, FileLock kind) const {
  return FileTurn::take(folder_.get(),
                        std::string(kTurnPrefix) + journal_name(file).substr(kJournalPrefix.size()),
                        kind);
}

std::optional<FileTurn> take_turn_at(const fs::path& file, FileLock kind) {
  std::error_code ec;
  const OpenFile fd = open_regular_file(file, O_RDONLY, ec);
  const FileIdentity identity = ec ? FileIdentity{} : file_identity(fd.get(), ec);
  if (ec) return std::nullopt;
  const std::optional<JournalFolder> journals =
      JournalFolder::open(JournalFolder::Missing::kMake, ec);
  if (!journals) return std::nullopt;
  return journals->take_turn(identity, kind);
}

std::optional<std::vector<std::uint8_t>> read_legacy_journal(const fs::path& folder,
                                                             std::uint64_t inode,
                                                             std::error_code& ec) {
  ec.clear();
  const OpenFile at = open_own_folder(folder);
  if (!at) return std::nullopt;
  return read_own(at.get(), legacy_journal_name(inode), ec);
}

void remove_legacy_journal(const fs::path& folder, std::uint64_t inode) {
  const OpenFile at = open_own_folder(folder);
  if (!at) return;
  const std::string name = legacy_journal_name(inode);
  struct stat st {};
  if (::fstatat(at.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
      st.st_uid == ::geteuid())
    ::unlinkat(at.get(), name.c_str(), 0);
}

}  // namespace pellavan::model
