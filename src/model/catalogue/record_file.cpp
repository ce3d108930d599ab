#include "model/catalogue/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace pellavan::model {

std::unique_ptr<RecordFile> RecordFile::open(const std::filesystem::path& path,
                                             std::size_t record_length, RecordAccess access) {
  if (record_length == 0) return nullptr;
  const bool writable = access == RecordAccess::kReadWrite;
  // A new file gets the mode the umask leaves of 0666.
  constexpr mode_t kNewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
  std::error_code ec;
  OpenFile file = open_regular_file(path, writable ? O_RDWR | O_CREAT : O_RDONLY, ec, kNewFileMode);
  struct stat st {};
  if (ec || ::fstat(file.get(), &st) != 0) return nullptr;
  return std::unique_ptr<RecordFile>(new RecordFile(
      std::move(file), record_length, static_cast<std::uint64_t>(st.st_size), writable));
}

RecordFile::RecordFile(OpenFile file, std::size_t record_length, std::uint64_t size, bool writable)
    : file_(std::move(file)),
      record_length_(record_length),
      size_(size),
      writable_(writable),
      eof_(size == 0) {}

std::uint64_t RecordFile::offset_of(std::int64_t n, std::size_t bytes) const {
  if (n < 1) throw std::out_of_range("record number " + std::to_string(n) + " below 1");
  if (bytes > record_length_) throw std::invalid_argument("buffer longer than one record");
  const auto index = static_cast<std::uint64_t>(n - 1);
  if (index > std::numeric_limits<std::int64_t>::max() / record_length_)
    throw std::out_of_range("record number " + std::to_string(n) + " too large");
  return index * record_length_;
}

bool RecordFile::read(std::int64_t n, std::span<std::uint8_t> out) {
  const std::uint64_t offset = offset_of(n, out.size());
  std::fill(out.begin(), out.end(), std::uint8_t{0});
  const std::uint64_t available = offset < size_ ? size_ - offset : 0;
  const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(available, out.size()));
  std::size_t got = 0;
  while (got < wanted) {
    const ssize_t r =
        ::pread(file_.get(), out.data() + got, wanted - got, static_cast<off_t>(offset + got));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) break;
    got += static_cast<std::size_t>(r);
  }
  const bool whole = got == out.size();
  eof_ = !whole;
  return whole;
}

bool RecordFile::write(std::int64_t n, std::span<const std::uint8_t> in) {
  if (!writable_) throw std::logic_error("record file opened for reading only");
  const std::uint64_t offset = offset_of(n, in.size());
  std::size_t put = 0;
  while (put < in.size()) {
    const ssize_t w =
        ::pwrite(file_.get(), in.data() + put, in.size() - put, static_cast<off_t>(offset + put));
    if (w < 0 && errno == EINTR) continue;
    if (w <= 0) return false;
    put += static_cast<std::size_t>(w);
  }
  size_ = std::max<std::uint64_t>(size_, offset + in.size());
  return true;
}

}  // namespace pellavan::model
