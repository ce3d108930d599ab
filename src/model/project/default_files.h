#pragma once
// The default project file "Default.dat" of the Data folder (the starting values of every new
// project and the reset values loaded before every open) and its factory copy "ODefault.dat".

#include <filesystem>
#include <string_view>
#include <system_error>

#include "model/saving/write_failure.h"

#include "model/project/file_conversion.h"
#include "model/saving/interrupted_save.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

inline constexpr std::string_view kDefaultFileName = "Default.dat";
inline constexpr std::string_view kOriginalDefaultFileName = "ODefault.dat";

[[nodiscard]] std::filesystem::path default_file_path(const std::filesystem::path& program_folder);
[[nodiscard]] std::filesystem::path original_default_file_path(
    const std::filesystem::path& program_folder);

enum class DefaultLoadStatus {
  kOk,
  kDamaged,     // the tag is not one this version reads
  kUnreadable,  // missing, not openable, or shorter than one record
};

// Reads the default file into rec and converts it; on success the run's DefaultZoom then holds
// the file's report zoom levels (or, after the first load, keeps those it had). Reading never
// creates a missing file. rec is only changed on success. A save cut off earlier is finished
// first and told in interrupted.
[[nodiscard]] DefaultLoadStatus load_default_project(const std::filesystem::path& program_folder,
                                                     ProjectRec& rec, DefaultZoom& zoom,
                                                     InterruptedSave* interrupted = nullptr);

// Writes rec over the default file, creating it when missing.
[[nodiscard]] WriteFailure save_default_project(const std::filesystem::path& program_folder,
                                                const ProjectRec& rec);

// Copies the factory default file over the default file.
[[nodiscard]] WriteFailure restore_original_defaults(const std::filesystem::path& program_folder);

}  // namespace pellavan::model
