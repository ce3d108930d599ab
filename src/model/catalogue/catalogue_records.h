#pragma once
// The records of a catalogue held in memory, read by number from 1 by the rules of a record
// file: record n lies at byte (n - 1) x record length; the end-of-file flag is set when the
// file is empty and by a read that cannot fill a whole record, and cleared by one that can.

#include <concepts>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/record/record_layout.h"

namespace pellavan::model {

template <class R>
concept CatalogueRecord = Record<R> && requires(R r) {
  { r.Id } -> std::same_as<Int16&>;
};

class CatalogueRecords {
 public:
  CatalogueRecords(std::shared_ptr<const std::vector<std::uint8_t>> bytes,
                   std::size_t record_length);

  [[nodiscard]] bool eof() const { return eof_; }
  [[nodiscard]] std::uint64_t size_bytes() const { return bytes_->size(); }

  // Whether record n lies wholly inside the file.
  [[nodiscard]] bool whole(std::int64_t n) const;

  // The id of record n, which lies wholly inside the file; the record is not decoded.
  template <CatalogueRecord R>
  [[nodiscard]] Int16 id(std::int64_t n) const {
    // The offset as a number: the sanitizers' builds cannot compare field addresses at compile
    // time.
    static constexpr std::size_t kIdOffset = [] {
      for (const FieldInfo& f : R::kFields)
        if (f.name == "Id" && f.kind == FieldKind::kInt16) return f.offset;
      return R::kFileSize;
    }();
    static_assert(kIdOffset < R::kFileSize, "a catalogue record has an Int16 Id");
    Int16 value = 0;
    FieldCodec<Int16>::read(bytes_->data() + offset_of(n) + kIdOffset, value);
    return value;
  }

  // Reads record n into rec: the bytes the file holds there, then zeros. Returns whether the
  // record lay wholly inside the file.
  template <Record R>
  bool read(std::int64_t n, R& rec) {
    const std::uint64_t offset = offset_of(n);
    const std::uint64_t there = offset < size_bytes() ? size_bytes() - offset : 0;
    const auto taken = static_cast<std::size_t>(std::min<std::uint64_t>(there, R::kFileSize));
    decode_record(std::span<const std::uint8_t>(bytes_->data() + (taken > 0 ? offset : 0), taken),
                  rec);
    eof_ = taken < R::kFileSize;
    return !eof_;
  }

 private:
  [[nodiscard]] std::uint64_t offset_of(std::int64_t n) const;

  std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
  std::size_t record_length_;
  bool eof_;
};

}  // namespace pellavan::model
