#pragma once
// The record types a data source can describe, by the names of their record tables.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "mkdata/source_file.h"

namespace pellavan::mkdata {

struct RecordKind {
  std::string_view name;  // "LoopRec", "ProjectRec", ...
  // The file image of the source's records, each starting from its record in the bases: a
  // catalogue takes at most one (its imperial twin); a single record starts from the first
  // base, then takes what each later base and finally the source name. Throws SourceError.
  std::vector<std::uint8_t> (*make_image)(const SourceFile& source,
                                          std::span<const SourceFile> bases);
};

[[nodiscard]] std::span<const RecordKind> record_kinds();

// nullptr for a name no kind has.
[[nodiscard]] const RecordKind* find_record_kind(std::string_view name);

}  // namespace pellavan::mkdata
