#include "model/project/project_file.h"

#include <array>

#include "model/catalogue/record_file.h"
#include "model/project/project_tags.h"
#include "model/text/ascii.h"
#include "model/saving/replacing_write.h"

namespace pellavan::model {

ProjectRead read_project_file(const std::filesystem::path& path) {
  ProjectRead result;
  result.interrupted = finish_interrupted_save(path);
  if (result.interrupted.stops_open()) return result;
  auto file = RecordFile::open(path, ProjectRec::kFileSize, RecordAccess::kRead);
  if (!file) return result;

  std::array<std::uint8_t, 3> tag_bytes{};
  file->read(1, tag_bytes);
  result.tag.assign(tag_bytes.begin(), tag_bytes.end());
  switch (classify_project_tag(result.tag)) {
    case TagVerdict::kNewer: result.status = ProjectReadStatus::kNewer; return result;
    case TagVerdict::kForeign: result.status = ProjectReadStatus::kDamaged; return result;
    case TagVerdict::kAccepted: break;
  }

  std::array<std::uint8_t, ProjectRec::kFileSize> image{};
  if (!file->read(1, image)) {
    result.status = ProjectReadStatus::kShort;
    return result;
  }
  decode_record(image, result.record);
  result.status = ProjectReadStatus::kOk;
  return result;
}

WriteFailure write_project_file(const std::filesystem::path& path, const ProjectRec& rec) {
  return write_file_replacing(path, encode_record(rec));
}

bool has_project_extension(std::string_view file_title) {
  const auto point = file_title.rfind('.');
  if (point == std::string_view::npos) return false;
  return equal_ignoring_case(file_title.substr(point + 1, 3), "PVN");
}

}  // namespace pellavan::model
