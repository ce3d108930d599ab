#pragma once
// Opening a file that must be a regular file, so that nothing put under its name makes a read
// wait for good: the open does not wait (O_NONBLOCK, which a FIFO or a device would otherwise
// take up), whatever it finds other than a regular file is refused, and only then is the flag
// cleared for reading and writing as usual.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace pellavan::model {

// An open file descriptor, closed when it goes (which also gives up the locks taken on it).
class OpenFile {
 public:
  OpenFile() = default;
  explicit OpenFile(int fd) : fd_(fd) {}
  OpenFile(OpenFile&& other) noexcept : fd_(other.release()) {}
  OpenFile& operator=(OpenFile&& other) noexcept;
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile();

  [[nodiscard]] int get() const { return fd_; }
  [[nodiscard]] explicit operator bool() const { return fd_ >= 0; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_ = -1;
};

// The regular file at path (relative to the folder open in `at`, or to the working folder when
// it is AT_FDCWD), opened with flags (O_RDONLY, O_RDWR with O_CREAT, ...) and mode; with ec set
// when it cannot be opened or is no regular file (EISDIR for a folder, EINVAL for the rest).
[[nodiscard]] OpenFile open_regular_file(int at, const char* path, int flags, std::error_code& ec,
                                         mode_t mode = 0);
[[nodiscard]] OpenFile open_regular_file(const std::filesystem::path& path, int flags,
                                         std::error_code& ec, mode_t mode = 0);

// Every byte of the file open in fd, read from its start; a file past `most` bytes is refused
// (EFBIG) before it is read.
[[nodiscard]] std::error_code read_whole_file(int fd, std::vector<std::uint8_t>& out,
                                              std::uint64_t most);

// The error of the system call that failed last (errno).
[[nodiscard]] std::error_code last_error();

// Flushes the entries of the folder open in fd, so that a rename in it survives a power cut; a
// folder that cannot be flushed so (EINVAL) is no error.
[[nodiscard]] std::error_code sync_folder(int fd);

// Writes every byte to fd where it stands and flushes them to the disk.
[[nodiscard]] std::error_code write_and_sync(int fd, std::span<const std::uint8_t> bytes);

}  // namespace pellavan::model
