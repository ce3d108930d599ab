#include "model/project/replacing_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

// Younger temporary files may belong to a save that has made them but not yet locked them.
constexpr auto kStaleAge = std::chrono::seconds(10);
constexpr int kMostLinks = 40;

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

}  // namespace

std::error_code write_file_replacing(const std::filesystem::path& path,
                                     std::span<const std::uint8_t> bytes) {
  std::error_code ec;
  const fs::path target = link_target(path, ec);
  if (ec) return ec;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  remove_stale_temporaries(folder);
  std::string pattern = (folder / kTemporaryPrefix).string();
  pattern.append("XXXXXX");
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return last_error();
  ::flock(fd, LOCK_EX);  // held until closed: no other save takes the file for a stale one
  const fs::path temp(pattern);

  ec = write_all(fd, bytes);
  if (!ec) {
    std::error_code ignored;
    const auto old = fs::status(target, ignored);
    if (fs::exists(old))
      fs::permissions(temp, old.permissions(), ignored);
    else
      fs::permissions(temp,
                      fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read,
                      ignored);
    fs::rename(temp, target, ec);
  }
  if (::close(fd) != 0 && !ec) ec = last_error();
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return ec;
  }
  return sync_folder(folder);
}

std::error_code copy_file_replacing(const std::filesystem::path& source,
                                    const std::filesystem::path& target) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(source, ec))
    return ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory);
  std::ifstream in(source, std::ios::binary);
  if (!in) return std::make_error_code(std::errc::no_such_file_or_directory);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                        std::istreambuf_iterator<char>());
  if (in.bad()) return std::make_error_code(std::errc::io_error);
  return write_file_replacing(target, bytes);
}

}  // namespace pellavan::model
