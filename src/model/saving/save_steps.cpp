#include "model/saving/save_steps.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "model/saving/regular_file.h"

namespace pellavan::model {
namespace {

namespace fs = std::filesystem;

constexpr int kMostLinks = 40;

}  // namespace

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

}  // namespace pellavan::model
