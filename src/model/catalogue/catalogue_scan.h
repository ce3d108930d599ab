#pragma once
// The scan by which every catalogue reader finds a record by id. The id in the buffer is tested
// before each read, so a buffer that already holds the key reads nothing and, in a non-empty
// file, counts as found; the record found last in the file is found; an empty file finds
// nothing. A record found whose figures no unit can have is not found either (kDamaged). A scan
// that ends without the key, or with a damaged record, leaves an emptied record in the buffer,
// never a stale one that a caller could take for the record it asked for; the record of a file cut
// off within its last record is not found.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "model/catalogue/catalogue_records.h"
#include "model/catalogue/data_file_access.h"
#include "model/catalogue/record_divisors.h"
#include "model/catalogue/record_figures.h"

namespace pellavan::model {

// How a scan ended.
enum class CatalogueLookup : std::uint8_t {
  kFound,
  kNotFound,   // no record of the file carries the key
  kEmptyFile,  // the file holds no record at all
  kCutOff,     // the scan reached a record the file holds only in part
  kDamaged,    // the record found holds figures no unit can have (record_figures.h)
};

// Opens the Data folder's file_name as every catalogue read does: DataFilePath and DataRecLen
// describe it and DataFileNum is taken; its records come from the run's catalogue cache. A
// missing, unreadable or oversized file is a DataFileFailure with its message.
[[nodiscard]] CatalogueRecords open_catalogue(DataFileAccess& state,
                                              const std::filesystem::path& program_folder,
                                              std::string_view file_name,
                                              std::size_t record_length);

// Scans the Data folder's file_name from record 1 into buffer until its Id equals key or the
// file ends. Leaves DataFilePath and DataRecLen describing the file.
// A buffer whose record a scan read from another file (the metric loops after the imperial
// ones) is emptied first, so the key is looked for in this file.
template <CatalogueRecord R>
CatalogueLookup look_up_catalogue_record(DataFileAccess& state,
                                         const std::filesystem::path& program_folder,
                                         std::string_view file_name, Int16 key, R& buffer) {
  CatalogueRecords file = open_catalogue(state, program_folder, file_name, R::kFileSize);
  std::string& source = state.buffer_sources[&buffer];
  if (!source.empty() && source != state.DataFilePath) buffer = R{};
  source = state.DataFilePath;
  if (!file.eof() && buffer.Id != key) {
    // Each record read replaces the one before in the buffer: only the one the scan stops at,
    // the first with the key or the first not wholly in the file, need be decoded.
    std::int64_t i = 1;
    while (file.whole(i) && file.id<R>(i) != key) ++i;
    file.read(i, buffer);
  }
  if (!file.eof()) {
    if (plausible_record(buffer)) return CatalogueLookup::kFound;
    buffer = R{};
    return CatalogueLookup::kDamaged;
  }
  buffer = R{};
  if (file.size_bytes() == 0) return CatalogueLookup::kEmptyFile;
  return file.size_bytes() % R::kFileSize != 0 ? CatalogueLookup::kCutOff
                                               : CatalogueLookup::kNotFound;
}

// The scan of a record the analysis is to run on: a record whose figures the analysis divides by
// are not all above 0 (record_divisors.h) is damaged too, and leaves an emptied buffer.
template <CatalogueRecord R>
CatalogueLookup look_up_for_analysis(DataFileAccess& state,
                                     const std::filesystem::path& program_folder,
                                     std::string_view file_name, Int16 key, R& buffer) {
  const CatalogueLookup lookup =
      look_up_catalogue_record(state, program_folder, file_name, key, buffer);
  if (lookup != CatalogueLookup::kFound || divisors_plausible(buffer)) return lookup;
  buffer = R{};
  return CatalogueLookup::kDamaged;
}

// The same scan, saying only whether the key was found.
template <CatalogueRecord R>
bool find_catalogue_record(DataFileAccess& state, const std::filesystem::path& program_folder,
                           std::string_view file_name, Int16 key, R& buffer) {
  return look_up_catalogue_record(state, program_folder, file_name, key, buffer) ==
         CatalogueLookup::kFound;
}

}  // namespace pellavan::model
