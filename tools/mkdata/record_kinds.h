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
  // The file image of the source's records; base, when given, is the source whose records
  // this one starts from (catalogues only). Throws SourceError.
  std::vector<std::uint8_t> (*make_image)(const SourceFile& source, const SourceFile* base);
};

[[nodiscard]] std::span<const RecordKind> record_kinds();

// nullptr for a name no kind has.
[[nodiscard]] const RecordKind* find_record_kind(std::string_view name);

}  // namespace pellavan::mkdata
