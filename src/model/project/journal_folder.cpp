#include "model/project/journal_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

// Larger files are not journals of ours.
constexpr std::uint64_t kMostJournalBytes = std::uint64_t{1} << 28;
constexpr std::string_view kAsideSuffix = ".new";

std::error_code last_error() { return {errno, std::generic_category()}; }

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

FileKey file_key(const struct stat& st) {
  return {static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

std::string legacy_journal_name(std::uint64_t inode) {
  return std::string(kLegacyJournalPrefix) + hex(inode);
}

std::string journal_name(FileKey key) {
  return "journal-" + hex(key.device) + "-" + hex(key.inode);
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
  OpenFile fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat st {};
  if (!fd || ::fstat(fd.get(), &st) != 0) {
    ec = last_error();
    return std::nullopt;
  }
  if (st.st_uid != ::geteuid() || (st.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    ec = std::make_error_code(std::errc::permission_denied);
    return std::nullopt;
  }
  return JournalFolder(std::move(fd));
}

std::optional<std::vector<std::uint8_t>> JournalFolder::read(FileKey key,
                                                             std::error_code& ec) const {
  return read_own(folder_.get(), journal_name(key), ec);
}

std::error_code JournalFolder::write(FileKey key, std::span<const std::uint8_t> bytes) const {
  const std::string name = journal_name(key);
  const std::string aside = name + std::string(kAsideSuffix);
  std::error_code ec;
  OpenFile out =
      open_regular_file(folder_.get(), aside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, ec,
                        S_IRUSR | S_IWUSR);
  if (ec) return ec;
  if ((ec = write_and_sync(out.get(), bytes))) return ec;
  if (::close(out.release()) != 0) return last_error();
  if (::renameat(folder_.get(), aside.c_str(), folder_.get(), name.c_str()) != 0)
    return last_error();
  if (::fsync(folder_.get()) != 0 && errno != EINVAL) return last_error();
  return {};
}

void JournalFolder::remove(FileKey key) const {
  const std::string name = journal_name(key);
  ::unlinkat(folder_.get(), name.c_str(), 0);
  ::unlinkat(folder_.get(), (name + std::string(kAsideSuffix)).c_str(), 0);
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
