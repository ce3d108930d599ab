#include "model/catalogue/record_file.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace pellavan::model {

std::unique_ptr<RecordFile> RecordFile::open(const std::filesystem::path& path,
                                             std::size_t record_length, RecordAccess access) {
  namespace fs = std::filesystem;
  if (record_length == 0) return nullptr;
  std::error_code ec;
  const bool writable = access == RecordAccess::kReadWrite;
  if (writable && !fs::exists(path, ec)) {
    std::ofstream create(path, std::ios::binary);
    if (!create) return nullptr;
  }
  if (!fs::is_regular_file(path, ec)) return nullptr;
  const auto size = fs::file_size(path, ec);
  if (ec) return nullptr;

  auto mode = std::ios::binary | std::ios::in;
  if (writable) mode |= std::ios::out;
  std::fstream stream(path, mode);
  if (!stream.is_open()) return nullptr;
  return std::unique_ptr<RecordFile>(
      new RecordFile(std::move(stream), record_length, size, writable));
}

RecordFile::RecordFile(std::fstream stream, std::size_t record_length, std::uint64_t size,
                       bool writable)
    : stream_(std::move(stream)),
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
  const auto wanted = static_cast<std::streamsize>(std::min<std::uint64_t>(available, out.size()));
  std::streamsize got = 0;
  if (wanted > 0) {
    stream_.clear();
    stream_.seekg(static_cast<std::streamoff>(offset));
    stream_.read(reinterpret_cast<char*>(out.data()), wanted);
    got = stream_.gcount();
  }
  const bool whole = got == static_cast<std::streamsize>(out.size());
  eof_ = !whole;
  return whole;
}

bool RecordFile::write(std::int64_t n, std::span<const std::uint8_t> in) {
  if (!writable_) throw std::logic_error("record file opened for reading only");
  const std::uint64_t offset = offset_of(n, in.size());
  stream_.clear();
  stream_.seekp(static_cast<std::streamoff>(offset));
  stream_.write(reinterpret_cast<const char*>(in.data()), static_cast<std::streamsize>(in.size()));
  stream_.flush();
  if (!stream_) return false;
  size_ = std::max<std::uint64_t>(size_, offset + in.size());
  return true;
}

}  // namespace pellavan::model
