#pragma once
// The scan by which every catalogue reader finds a record by id. The id in the buffer is tested
// before each read, so a buffer that already holds the key reads nothing and, in a non-empty
// file, counts as found; the record found last in the file is found; an empty file finds
// nothing. A scan that ends without the key leaves an emptied record in the buffer, never a
// stale one that a caller could take for the record it asked for; the record of a file cut off
// within its last record is not found.

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

// How a scan ended.
enum class CatalogueLookup : std::uint8_t {
  kFound,
  kNotFound,   // no record of the file carries the key
  kEmptyFile,  // the file holds no record at all
  kCutOff,     // the scan reached a record the file holds only in part
};

// Scans the Data folder's file_name from record 1 into buffer until its Id equals key or the
// file ends. Leaves DataFilePath and DataRecLen describing the file, which is closed again.
// A buffer whose record a scan read from another file (the metric loops after the imperial
// ones) is emptied first, so the key is looked for in this file.
template <CatalogueRecord R>
CatalogueLookup look_up_catalogue_record(DataFileAccess& state,
                                         const std::filesystem::path& program_folder,
                                         std::string_view file_name, Int16 key, R& buffer) {
  state.DataFilePath = data_file_path(program_folder, file_name);
  state.DataRecLen = static_cast<Int16>(R::kFileSize);
  Check_DataFile(state);
  Open_DataFile(state);
  std::string& source = state.buffer_sources[&buffer];
  if (!source.empty() && source != state.DataFilePath) buffer = R{};
  source = state.DataFilePath;
  RecordFile& file = data_file(state);
  const bool empty = file.size_bytes() == 0;
  for (std::int64_t i = 1; !file.eof() && buffer.Id != key; ++i) read_data_record(state, i, buffer);
  const bool found = !file.eof();
  const bool cut_off = file.size_bytes() % R::kFileSize != 0;
  close_data_file(state);
  if (found) return CatalogueLookup::kFound;
  buffer = R{};
  if (empty) return CatalogueLookup::kEmptyFile;
  return cut_off ? CatalogueLookup::kCutOff : CatalogueLookup::kNotFound;
}

// The same scan, saying only whether the key was found.
template <CatalogueRecord R>
bool find_catalogue_record(DataFileAccess& state, const std::filesystem::path& program_folder,
                           std::string_view file_name, Int16 key, R& buffer) {
  return look_up_catalogue_record(state, program_folder, file_name, key, buffer) ==
         CatalogueLookup::kFound;
}

}  // namespace pellavan::model
