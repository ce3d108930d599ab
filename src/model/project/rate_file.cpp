#include "model/project/rate_file.h"

#include <array>

#include "model/catalogue/record_file.h"
#include "model/saving/replacing_write.h"
#include "model/text/ascii.h"

namespace pellavan::model {

RateRead read_rate_file(const std::filesystem::path& path) {
  RateRead result;
  result.interrupted = finish_interrupted_save(path);
  if (result.interrupted.stops_open()) return result;
  auto file = RecordFile::open(path, RatesRec::kFileSize, RecordAccess::kRead);
  if (!file) return result;

  std::array<std::uint8_t, 3> tag_bytes{};
  const bool whole_tag = file->read(1, tag_bytes);
  result.tag.assign(tag_bytes.begin(), tag_bytes.end());
  if (!whole_tag || !equal_ignoring_case(result.tag, kRatesFileTag)) {
    result.status = whole_tag && equal_ignoring_case(result.tag.substr(0, 2), "KV")
                        ? RateReadStatus::kNewer
                        : RateReadStatus::kDamaged;
    return result;
  }
  std::array<std::uint8_t, RatesRec::kFileSize> image{};
  if (!file->read(1, image)) {
    result.status = RateReadStatus::kDamaged;
    return result;
  }
  decode_record(image, result.record);
  result.status = RateReadStatus::kOk;
  return result;
}

WriteFailure write_rate_file(const std::filesystem::path& path, RatesRec& rec) {
  rec.FileTag = kRatesFileTag;
  return write_file_replacing(path, encode_record(rec));
}

}  // namespace pellavan::model
