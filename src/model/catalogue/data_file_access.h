#pragma once
// The shared state through which one data file at a time is opened and read: a caller sets
// DataFilePath and DataRecLen, runs Check_DataFile and Open_DataFile, reads records through
// DataFileNum and closes it. A missing or unopenable file is a DataFileFailure; the program
// shows its message and ends. Catalogues are read through open_catalogue (catalogue_scan.h),
// which leaves the same state and takes their records from the run's catalogue cache.

#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/catalogue/catalogue_cache.h"
#include "model/catalogue/file_numbers.h"
#include "model/catalogue/record_file.h"
#include "model/record/field_types.h"
#include "model/record/record_layout.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

inline constexpr std::string_view kFileNotFoundMessage =
    " File Not Found -- Contact Oskerby Support";
inline constexpr std::string_view kFileErrorMessage =
    " File Error -- Please contact Oskerby Support";

// A data file that cannot be read or opened; what() is the message the program ends with.
struct DataFileFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct DataFileAccess {
  std::string DataFilePath;  // full path of the file the next check or open works on
  Int16 DataRecLen = 0;      // record length for Open_DataFile
  Int16 DataFileNum = 0;     // number of the file opened last
  Int16 RecNo = 1;           // record number of every read and write of a one-record file
  Int16 ProjectRecLen = static_cast<Int16>(ProjectRec::kFileSize);
  FileNumberTable files;
  CatalogueCache catalogues;  // the catalogue files as read, kept for the whole run
  // The file each catalogue buffer was last read from, by the buffer's address: a buffer that
  // holds the id asked for still counts only for the file it came from.
  std::unordered_map<const void*, std::string> buffer_sources;
};

// Takes a free number into DataFileNum and tests that DataFilePath can be opened for reading;
// when not, throws DataFileFailure(DataFilePath + kFileNotFoundMessage).
void Check_DataFile(DataFileAccess& state);

// Takes a free number into DataFileNum and opens DataFilePath under it with record length
// DataRecLen; on any failure throws DataFileFailure(DataFilePath + kFileErrorMessage).
// Reading never creates a file; kReadWrite creates a missing one (the settings file's save).
void Open_DataFile(DataFileAccess& state, RecordAccess access = RecordAccess::kRead);

// The file open under DataFileNum; throws std::logic_error when none is.
[[nodiscard]] RecordFile& data_file(DataFileAccess& state);

void close_data_file(DataFileAccess& state);

// Reads record n of the open data file into rec; false (and end of file) when the record does
// not lie wholly inside the file, in which case rec holds the bytes there were, then zeros.
template <Record R>
bool read_data_record(DataFileAccess& state, std::int64_t n, R& rec) {
  std::array<std::uint8_t, R::kFileSize> image;
  const bool whole = data_file(state).read(n, image);
  decode_record(image, rec);
  return whole;
}

}  // namespace pellavan::model
