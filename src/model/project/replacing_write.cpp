#include "model/project/replacing_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace pellavan::model {
namespace {

std::error_code last_error() { return {errno, std::generic_category()}; }

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

std::error_code write_file_replacing(const std::filesystem::path& target,
                                     std::span<const std::uint8_t> bytes) {
  namespace fs = std::filesystem;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  // Built by appending: a concatenation here trips a false -Wrestrict warning of GCC 12.
  std::string name(".");
  name.append(target.filename().string()).append(".XXXXXX");
  std::string pattern = (folder / name).string();
  const int fd = ::mkstemp(pattern.data());
  if (fd < 0) return last_error();
  const fs::path temp(pattern);

  std::error_code ec = write_all(fd, bytes);
  if (::close(fd) != 0 && !ec) ec = last_error();
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
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
  }
  return ec;
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
