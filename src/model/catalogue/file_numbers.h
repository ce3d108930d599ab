#pragma once
// Open files by number, the way the program's shared state names them: a caller takes a free
// number, opens a file under it and reads, writes and closes through that number.

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>

#include "model/catalogue/record_file.h"
#include "model/record/field_types.h"

namespace pellavan::model {

class FileNumberTable {
 public:
  static constexpr Int16 kHighest = 511;

  // The lowest number without an open file, or 0 when all are taken.
  [[nodiscard]] Int16 free_number() const;

  // Opens path under number (closing what was open under it); false when it cannot be opened.
  bool open(Int16 number, const std::filesystem::path& path, std::size_t record_length,
            RecordAccess access);

  // The file open under number, or nullptr.
  [[nodiscard]] RecordFile* get(Int16 number);

  // Closing a number that has no open file does nothing.
  void close(Int16 number);

  [[nodiscard]] std::size_t open_count() const { return files_.size(); }

 private:
  std::map<Int16, std::unique_ptr<RecordFile>> files_;
};

}  // namespace pellavan::model
