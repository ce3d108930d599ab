#include "model/catalogue/catalogue_scan.h"

namespace pellavan::model {

CatalogueRecords open_catalogue(DataFileAccess& state, const std::filesystem::path& program_folder,
                                std::string_view file_name, std::size_t record_length) {
  CatalogueBytes bytes =
      state.catalogues.read(program_folder, file_name, record_length, state.DataFilePath);
  state.DataRecLen = static_cast<Int16>(record_length);
  state.DataFileNum = state.files.free_number();
  return CatalogueRecords(std::move(bytes), record_length);
}

}  // namespace pellavan::model
