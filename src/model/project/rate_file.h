#pragma once
// Rate files (".rat"): one RatesRec of 2,708 bytes as record 1, its tag first. A file is read
// whole into a record of its own, so that a refused file changes nothing the caller holds.

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "model/saving/interrupted_save.h"
#include "model/saving/write_failure.h"

#include "model/records/rates_rec.h"

namespace pellavan::model {

enum class RateReadStatus {
  kOk,
  kUnreadable,  // cannot be opened or read
  kNewer,       // "KV" with another version character: a later version wrote it
  kDamaged,     // any other tag, or shorter than one record: damaged or not a rate file
};

struct RateRead {
  RateReadStatus status = RateReadStatus::kUnreadable;
  std::string tag;  // the first three bytes as read
  RatesRec record{};
  // A save cut off earlier, finished before the read; kUnreadable when it could not be.
  InterruptedSave interrupted;
};

// The tag compares without regard to case ("kv2" is read). A file that holds less than a whole
// record is refused as damaged rather than read past its end.
[[nodiscard]] RateRead read_rate_file(const std::filesystem::path& path);

// Sets the tag to "KV2" and writes rec as the whole file (a longer old file loses its tail); the
// old file stays intact when this fails.
[[nodiscard]] WriteFailure write_rate_file(const std::filesystem::path& path, RatesRec& rec);

}  // namespace pellavan::model
