#pragma once
// Builds records of one type from a parsed source, through the by-name field access of the
// record tables, so that a source names exactly the fields the file image has.
//
// A catalogue record (one with an Id) starts at each "Id = n" line; every later line up to the
// next Id belongs to it. Any other record type is one record made of every line. Fields a
// source leaves out stay as a new record has them: NUL bytes for texts, 0 for numbers.
//
// With a base (the imperial twin of a metric catalogue), every record starts as the base
// record of the same id, so that the source gives only what differs; both must hold the same
// ids.

#include <algorithm>
#include <climits>
#include <concepts>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "mkdata/source_file.h"
#include "model/record/field_text.h"
#include "model/record/record_layout.h"

namespace pellavan::mkdata {

template <class R>
concept IdentifiedRecord = model::Record<R> && requires(R r) {
  { r.Id } -> std::same_as<model::Int16&>;
};

template <model::Record R>
struct BuiltRecord {
  R record{};
  int line = 0;  // where the record starts in its source
};

namespace builder_detail {

inline constexpr int kScalar = INT_MIN;
using FieldKey = std::pair<std::string, int>;

inline bool is_array(const model::FieldInfo& info) { return info.count > 1 || info.lower != 0; }

inline std::vector<std::string> split_list(const std::string& value) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const auto comma = value.find(',', start);
    std::string part = value.substr(start, comma - start);
    const auto first = part.find_first_not_of(" \t");
    part = first == std::string::npos
               ? ""
               : part.substr(first, part.find_last_not_of(" \t") - first + 1);
    parts.push_back(std::move(part));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

template <model::Record R>
void set_one(R& rec, const std::string& file, const Assignment& a, std::optional<int> index,
             const std::string& text, std::set<FieldKey>& seen) {
  const FieldKey key{a.field, index.value_or(kScalar)};
  if (!seen.insert(key).second)
    throw SourceError(file, a.line,
                      a.field + (index ? "(" + std::to_string(*index) + ")" : "") +
                          " is given twice in one record");
  try {
    model::set_field_text(rec, a.field, index, text);
  } catch (const model::FieldTextError& e) {
    throw SourceError(file, a.line, e.what());
  }
}

template <model::Record R>
void apply(R& rec, const std::string& file, const Assignment& a, std::set<FieldKey>& seen) {
  const model::FieldInfo* info = model::find_field<R>(a.field);
  if (info == nullptr)
    throw SourceError(file, a.line, std::string(R::kTypeName) + " has no field " + a.field);
  if (!is_array(*info)) {
    set_one(rec, file, a, a.index, a.value, seen);
    return;
  }
  int index = a.index.value_or(info->lower);
  for (const auto& part : split_list(a.value)) set_one(rec, file, a, index++, part, seen);
}

template <IdentifiedRecord R>
model::Int16 parse_id(const std::string& file, const Assignment& a) {
  if (a.index) throw SourceError(file, a.line, "Id is not an array");
  R probe{};
  try {
    model::set_field_text(probe, "Id", std::nullopt, a.value);
  } catch (const model::FieldTextError& e) {
    throw SourceError(file, a.line, e.what());
  }
  // A reader's buffer starts with id 0 and finds it without reading a record.
  if (probe.Id == 0) throw SourceError(file, a.line, "Id 0 cannot be looked up; use another id");
  return probe.Id;
}

}  // namespace builder_detail

// One record of a type without an Id (the default project), starting from `base` when given
// (a project that differs from the default project in the fields its source names).
template <model::Record R>
std::vector<BuiltRecord<R>> build_single_record(const SourceFile& source, const R* base = nullptr) {
  std::vector<BuiltRecord<R>> out(1);
  if (base != nullptr) out.front().record = *base;
  std::set<builder_detail::FieldKey> seen;
  for (const auto& a : source.assignments) {
    if (out.front().line == 0) out.front().line = a.line;
    builder_detail::apply(out.front().record, source.name, a, seen);
  }
  return out;
}

// The records of a catalogue, in source order.
template <IdentifiedRecord R>
std::vector<BuiltRecord<R>> build_catalogue(const SourceFile& source,
                                            const std::vector<BuiltRecord<R>>* base = nullptr,
                                            const std::string& base_name = {}) {
  std::vector<BuiltRecord<R>> out;
  std::map<model::Int16, int> first_line;
  std::set<builder_detail::FieldKey> seen;
  for (const auto& a : source.assignments) {
    if (a.field == "Id") {
      const model::Int16 id = builder_detail::parse_id<R>(source.name, a);
      if (const auto it = first_line.find(id); it != first_line.end())
        throw SourceError(source.name, a.line,
                          "duplicate Id " + std::to_string(id) + " (first at line " +
                              std::to_string(it->second) + ")");
      first_line[id] = a.line;
      R start{};
      if (base != nullptr) {
        const auto match = std::find_if(base->begin(), base->end(),
                                        [&](const auto& b) { return b.record.Id == id; });
        if (match == base->end())
          throw SourceError(source.name, a.line,
                            "Id " + std::to_string(id) + " has no record in " + base_name);
        start = match->record;
      }
      start.Id = id;
      out.push_back({start, a.line});
      seen = {{"Id", builder_detail::kScalar}};
      continue;
    }
    if (out.empty())
      throw SourceError(source.name, a.line, "a record starts with an \"Id = ...\" line");
    builder_detail::apply(out.back().record, source.name, a, seen);
  }
  if (out.empty()) throw SourceError(source.name, 0, "holds no record");
  if (base != nullptr)
    for (const auto& b : *base)
      if (!first_line.contains(b.record.Id))
        throw SourceError(
            source.name, 0,
            "has no record for Id " + std::to_string(b.record.Id) + " of " + base_name);
  return out;
}

// The file image: the records one after the other, record n at (n - 1) x record length.
template <model::Record R>
std::vector<std::uint8_t> file_image(const std::vector<BuiltRecord<R>>& records) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(records.size() * R::kFileSize);
  for (const auto& r : records) {
    const auto image = model::encode_record(r.record);
    bytes.insert(bytes.end(), image.begin(), image.end());
  }
  return bytes;
}

}  // namespace pellavan::mkdata
