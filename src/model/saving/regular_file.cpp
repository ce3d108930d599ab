#include "model/saving/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pellavan::model {

std::error_code last_error() { return {errno, std::generic_category()}; }

std::error_code sync_folder(int fd) {
  if (::fsync(fd) != 0 && errno != EINVAL) return last_error();
  return {};
}

OpenFile& OpenFile::operator=(OpenFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

OpenFile::~OpenFile() {
  if (fd_ >= 0) ::close(fd_);
}

OpenFile open_regular_file(int at, const char* path, int flags, std::error_code& ec, mode_t mode) {
  ec.clear();
  const auto not_regular = [&ec](const struct stat& st) {
    ec = {S_ISDIR(st.st_mode) ? EISDIR : EINVAL, std::generic_category()};
    return OpenFile();
  };
  // Looked at first, so that a device is not even opened; then again on what was opened.
  struct stat st {};
  if (::fstatat(at, path, &st, (flags & O_NOFOLLOW) != 0 ? AT_SYMLINK_NOFOLLOW : 0) == 0 &&
      !S_ISREG(st.st_mode) && !S_ISLNK(st.st_mode))
    return not_regular(st);
  OpenFile file(::openat(at, path, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode));
  if (!file) {
    ec = last_error();
    return {};
  }
  if (::fstat(file.get(), &st) != 0) {
    ec = last_error();
    return {};
  }
  if (!S_ISREG(st.st_mode)) return not_regular(st);
  const int status = ::fcntl(file.get(), F_GETFL);
  if (status == -1 || ::fcntl(file.get(), F_SETFL, status & ~O_NONBLOCK) == -1) {
    ec = last_error();
    return {};
  }
  return file;
}

OpenFile open_regular_file(const std::filesystem::path& path, int flags, std::error_code& ec,
                           mode_t mode) {
  return open_regular_file(AT_FDCWD, path.c_str(), flags, ec, mode);
}

std::error_code read_whole_file(int fd, std::vector<std::uint8_t>& out, std::uint64_t most) {
  out.clear();
  struct stat st {};
  if (::fstat(fd, &st) != 0) return last_error();
  if (static_cast<std::uint64_t>(st.st_size) > most)
    return std::make_error_code(std::errc::file_too_large);
  std::uint8_t chunk[8192];
  for (off_t at = 0;;) {
    const ssize_t n = ::pread(fd, chunk, sizeof chunk, at);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    if (n == 0) return {};
    if (out.size() + static_cast<std::size_t>(n) > most)
      return std::make_error_code(std::errc::file_too_large);
    out.insert(out.end(), chunk, chunk + n);
    at += n;
  }
}

std::error_code write_and_sync(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  if (::fsync(fd) != 0) return last_error();
  return {};
}

}  // namespace pellavan::model
