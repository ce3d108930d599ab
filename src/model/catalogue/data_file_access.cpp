#include "model/catalogue/data_file_access.h"

#include <fcntl.h>

#include <stdexcept>
#include <system_error>

#include "model/saving/regular_file.h"

namespace pellavan::model {

void Check_DataFile(DataFileAccess& state) {
  state.DataFileNum = state.files.free_number();
  const std::filesystem::path path(state.DataFilePath);
  std::error_code ec;
  if (!open_regular_file(path, O_RDONLY, ec))
    throw DataFileFailure(state.DataFilePath + std::string(kFileNotFoundMessage));
}

void Open_DataFile(DataFileAccess& state, RecordAccess access) {
  state.DataFileNum = state.files.free_number();
  const bool opened = state.DataFileNum != 0 && state.DataRecLen > 0 &&
                      state.files.open(state.DataFileNum, state.DataFilePath,
                                       static_cast<std::size_t>(state.DataRecLen), access);
  if (!opened) throw DataFileFailure(state.DataFilePath + std::string(kFileErrorMessage));
}

RecordFile& data_file(DataFileAccess& state) {
  RecordFile* file = state.files.get(state.DataFileNum);
  if (!file) throw std::logic_error("no data file open under DataFileNum");
  return *file;
}

void close_data_file(DataFileAccess& state) { state.files.close(state.DataFileNum); }

}  // namespace pellavan::model
