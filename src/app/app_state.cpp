#include "app/app_state.h"

#include "model/catalogue/data_folder.h"

namespace pellavan::app {

AppState::AppState(std::filesystem::path program_folder)
    : help(QString::fromStdString(program_folder.string())) {
  model.program_folder = std::move(program_folder);
}

QString AppState::data_path(std::string_view file_name) const {
  return QString::fromStdString(model::data_file_path(model.program_folder, file_name));
}

}  // namespace pellavan::app
