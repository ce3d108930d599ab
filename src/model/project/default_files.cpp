#include "model/project/default_files.h"

#include "model/catalogue/data_folder.h"
#include "model/project/project_file.h"
#include "model/saving/replacing_write.h"

namespace pellavan::model {

std::filesystem::path default_file_path(const std::filesystem::path& program_folder) {
  return data_file_path(program_folder, kDefaultFileName);
}

std::filesystem::path original_default_file_path(const std::filesystem::path& program_folder) {
  return data_file_path(program_folder, kOriginalDefaultFileName);
}

DefaultLoadStatus load_default_project(const std::filesystem::path& program_folder, ProjectRec& rec,
                                       DefaultZoom& zoom, InterruptedSave* interrupted) {
  ProjectRead read = read_project_file(default_file_path(program_folder));
  if (interrupted) *interrupted = read.interrupted;
  switch (read.status) {
    case ProjectReadStatus::kOk: break;
    case ProjectReadStatus::kNewer: return DefaultLoadStatus::kDamaged;
    case ProjectReadStatus::kDamaged: return DefaultLoadStatus::kDamaged;
    case ProjectReadStatus::kShort:
    case ProjectReadStatus::kUnreadable: return DefaultLoadStatus::kUnreadable;
  }
  FileConversion(read.record, read.tag, zoom);
  take_report_zoom(read.record, zoom);
  rec = read.record;
  return DefaultLoadStatus::kOk;
}

WriteFailure save_default_project(const std::filesystem::path& program_folder,
                                  const ProjectRec& rec) {
  return write_project_file(default_file_path(program_folder), rec);
}

WriteFailure restore_original_defaults(const std::filesystem::path& program_folder) {
  return copy_file_replacing(original_default_file_path(program_folder),
                             default_file_path(program_folder));
}

}  // namespace pellavan::model
