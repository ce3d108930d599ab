#pragma once
// Project files (".pvn"): one ProjectRec of 10,665 bytes as record 1, its tag first. A file is
// read whole into a record of its own, so that a refused file changes nothing the caller holds.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/saving/interrupted_save.h"
#include "model/saving/write_failure.h"

#include "model/records/project_rec.h"

namespace pellavan::model {

enum class ProjectReadStatus {
  kOk,
  kUnreadable,  // cannot be opened or read
  kNewer,       // tagged by a later version ("KQ" and something unknown)
  kDamaged,     // a foreign tag: damaged or not a project file
  kShort,       // a known tag, but shorter than one record
};

struct ProjectRead {
  ProjectReadStatus status = ProjectReadStatus::kUnreadable;
  std::string tag;      // the first three bytes as read
  ProjectRec record{};  // the whole record when kOk, as read (not yet converted)
  // A save cut off earlier, finished before the read; kUnreadable when it could not be.
  InterruptedSave interrupted;
};

[[nodiscard]] ProjectRead read_project_file(const std::filesystem::path& path);

// Writes rec as the whole file; the old file stays intact when this fails.
[[nodiscard]] WriteFailure write_project_file(const std::filesystem::path& path,
                                              const ProjectRec& rec);

// The save dialog's extension test on a file name without folder: up to three characters after
// its last point must read "PVN" in any case, so "plan.pvnx" passes and "plan" does not.
[[nodiscard]] bool has_project_extension(std::string_view file_title);

}  // namespace pellavan::model
