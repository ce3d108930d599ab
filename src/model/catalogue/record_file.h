#pragma once
// A random-access file of fixed-length records, numbered from 1: record n lies at byte
// (n - 1) x record length. The end-of-file flag is set when the file is opened empty and by a
// read that cannot fill a whole record; a read that does is the only thing that clears it. Only a
// regular file opens: nothing else put under its name (a FIFO, a device) makes the open wait.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>

#include "model/saving/regular_file.h"

namespace pellavan::model {

enum class RecordAccess : std::uint8_t {
  kRead,       // the file must exist; catalogues are only ever read
  kReadWrite,  // a missing file is created empty
};

class RecordFile {
 public:
  // nullptr when the file cannot be opened as asked (missing for kRead, not a regular file,
  // no permission) or when record_length is 0.
  [[nodiscard]] static std::unique_ptr<RecordFile> open(const std::filesystem::path& path,
                                                        std::size_t record_length,
                                                        RecordAccess access);

  [[nodiscard]] bool eof() const { return eof_; }
  [[nodiscard]] std::size_t record_length() const { return record_length_; }
  [[nodiscard]] std::uint64_t size_bytes() const { return size_; }

  // Reads record n (n >= 1) into out, which may be shorter than a record (a file's tag is
  // read alone as record 1): out.size() bytes from (n - 1) x record_length. Bytes beyond the
  // end of the file read as 0. Returns whether all of out lay inside the file; when not, the
  // end-of-file flag is set.
  bool read(std::int64_t n, std::span<std::uint8_t> out);

  // Writes in (at most one record) as record n (kReadWrite only). False on a disk error.
  bool write(std::int64_t n, std::span<const std::uint8_t> in);

 private:
  RecordFile(OpenFile file, std::size_t record_length, std::uint64_t size, bool writable);
  [[nodiscard]] std::uint64_t offset_of(std::int64_t n, std::size_t bytes) const;

  OpenFile file_;
  std::size_t record_length_;
  std::uint64_t size_;
  bool writable_;
  bool eof_;
};

}  // namespace pellavan::model
