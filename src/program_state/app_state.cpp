#include "program_state/app_state.h"

#include "model/catalogue/data_folder.h"
#include "program_state/analysis_session.h"

namespace pellavan::program_state {
namespace {

// Absolute at once: the main window's load makes the program folder the current folder, after
// which a relative name would point below it.
std::filesystem::path absolute_folder(const std::filesystem::path& folder) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder, ec);
  return ec ? folder : absolute.lexically_normal();
}

}  // namespace

AppState::AppState(std::filesystem::path program_folder)
    : help(QString::fromStdString(absolute_folder(program_folder).string())) {
  model.program_folder = absolute_folder(program_folder);
}

AppState::~AppState() = default;

AnalysisSession& AppState::analysis() {
  if (!analysis_) analysis_ = std::make_unique<AnalysisSession>(model, services.make_charts);
  analysis_->run().check_stored_figures(services.stored_figures);  // registered after the start
  return *analysis_;
}

QString AppState::data_path(std::string_view file_name) const {
  return QString::fromStdString(model::data_file_path(model.program_folder, file_name));
}

}  // namespace pellavan::program_state
