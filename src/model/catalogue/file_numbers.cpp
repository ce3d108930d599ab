#include "model/catalogue/file_numbers.h"

namespace pellavan::model {

Int16 FileNumberTable::free_number() const {
  Int16 n = 1;
  for (const auto& entry : files_) {  // keys in ascending order
    if (entry.first != n) break;
    ++n;
  }
  return n <= kHighest ? n : Int16{0};
}

bool FileNumberTable::open(Int16 number, const std::filesystem::path& path,
                           std::size_t record_length, RecordAccess access) {
  close(number);
  if (number < 1 || number > kHighest) return false;
  auto file = RecordFile::open(path, record_length, access);
  if (!file) return false;
  files_[number] = std::move(file);
  return true;
}

RecordFile* FileNumberTable::get(Int16 number) {
  const auto it = files_.find(number);
  return it == files_.end() ? nullptr : it->second.get();
}

void FileNumberTable::close(Int16 number) { files_.erase(number); }

}  // namespace pellavan::model
