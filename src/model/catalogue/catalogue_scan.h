#pragma once
// The scan by which every catalogue reader finds a record by id. The id in the buffer is tested
// before each read, so a buffer that already holds the key reads nothing and, in a non-empty
// file, counts as found; the record found last in the file is found; an empty file finds
// nothing. A scan that ends without the key leaves an emptied record in the buffer, never a
// stale one that a caller could take for the record it asked for.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string_view>

#include "model/catalogue/data_file_access.h"
#include "model/catalogue/data_folder.h"
#include "model/record/record_layout.h"

namespace pellavan::model {

template <class R>
concept CatalogueRecord = Record<R> && requires(R r) {
  { r.Id } -> std::same_as<Int16&>;
};

// Scans the Data folder's file_name from record 1 into buffer until its Id equals key or the
// file ends. Leaves DataFilePath and DataRecLen describing the file, which is closed again.
template <CatalogueRecord R>
bool find_catalogue_record(DataFileAccess& state, const std::filesystem::path& program_folder,
                           std::string_view file_name, Int16 key, R& buffer) {
  state.DataFilePath = data_file_path(program_folder, file_name);
  state.DataRecLen = static_cast<Int16>(R::kFileSize);
  Check_DataFile(state);
  Open_DataFile(state);
  RecordFile& file = data_file(state);
  for (std::int64_t i = 1; !file.eof() && buffer.Id != key; ++i) read_data_record(state, i, buffer);
  const bool found = !file.eof();
  close_data_file(state);
  if (!found) buffer = R{};
  return found;
}

}  // namespace pellavan::model
