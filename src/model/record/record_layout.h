#pragma once
// A record type is declared once as a table of fields: file offset, type, name (and the bounds
// of an array field). PELLAVAN_DEFINE_RECORD turns that table into
//   - a plain struct with one member per field,
//   - Rec::kFields, the table itself (name, kind, width, offset, array bounds), and
//   - Rec::visit_fields(rec, f), which calls f(info, member) for each field in file order,
// and proves at compile time that the offsets follow each other without gaps and add up to
// the record's file size. encode_record() and decode_record() work from the same table, so the
// reader and the writer cannot disagree.
//
// A field table is a macro taking two macros, F for scalars and A for arrays:
//   #define MY_FIELDS(F, A)  F(0, Int16, Id)  F(2, Text<40>, Name)  A(42, Currency, 1, 30, UValue)
//   PELLAVAN_DEFINE_RECORD(MyRec, 282, MY_FIELDS)

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "model/record/field_codec.h"
#include "model/record/field_types.h"

namespace pellavan::model {

struct FieldInfo {
  std::string_view name;
  FieldKind kind;
  std::size_t width;   // bytes of the whole field (all elements of an array)
  std::size_t offset;  // file offset
  int lower = 0;       // array bounds; count 1 for a scalar
  int count = 1;
};

template <class R>
concept Record = requires(R r) {
  { R::kFileSize } -> std::convertible_to<std::size_t>;
  R::kFields;
};

// True when the fields lie one after the other from offset 0 and fill exactly `size` bytes.
template <std::size_t N>
[[nodiscard]] constexpr bool layout_is_packed(const std::array<FieldInfo, N>& fields,
                                              std::size_t size) {
  std::size_t next = 0;
  for (const auto& f : fields) {
    if (f.offset != next) return false;
    next += f.width;
  }
  return next == size;
}

template <Record R>
void encode_record(const R& rec, std::span<std::uint8_t> image) {
  if (image.size() < R::kFileSize) throw std::invalid_argument("record image too small");
  R::visit_fields(rec, [&](const FieldInfo& info, const auto& member) {
    FieldCodec<std::remove_cvref_t<decltype(member)>>::write(image.data() + info.offset, member);
  });
}

template <Record R>
[[nodiscard]] std::vector<std::uint8_t> encode_record(const R& rec) {
  std::vector<std::uint8_t> image(R::kFileSize);
  encode_record(rec, image);
  return image;
}

// Decodes a full image. A shorter image is read as if padded with zero bytes.
template <Record R>
void decode_record(std::span<const std::uint8_t> image, R& rec) {
  std::array<std::uint8_t, R::kFileSize> full{};
  std::copy_n(image.begin(), std::min(image.size(), R::kFileSize), full.begin());
  R::visit_fields(rec, [&](const FieldInfo& info, auto& member) {
    FieldCodec<std::remove_cvref_t<decltype(member)>>::read(full.data() + info.offset, member);
  });
}

template <Record R>
[[nodiscard]] R decode_record(std::span<const std::uint8_t> image) {
  R rec{};
  decode_record(image, rec);
  return rec;
}

template <Record R>
[[nodiscard]] constexpr const FieldInfo* find_field(std::string_view name) {
  for (const auto& f : R::kFields)
    if (f.name == name) return &f;
  return nullptr;
}

}  // namespace pellavan::model

#define PELLAVAN_RECORD_MEMBER_(off, type, name) type name{};
#define PELLAVAN_RECORD_ARRAY_MEMBER_(off, type, lo, hi, name) \
  ::pellavan::model::VbArray<type, lo, hi> name{};
#define PELLAVAN_RECORD_INFO_(off, type, name)                              \
  ::pellavan::model::FieldInfo{#name,                                       \
                               ::pellavan::model::FieldCodec<type>::kKind,  \
                               ::pellavan::model::FieldCodec<type>::kWidth, \
                               off,                                         \
                               0,                                           \
                               1},
#define PELLAVAN_RECORD_ARRAY_INFO_(off, type, lo, hi, name)                           \
  ::pellavan::model::FieldInfo{                                                        \
      #name,                                                                           \
      ::pellavan::model::FieldCodec<type>::kKind,                                      \
      ::pellavan::model::FieldCodec<::pellavan::model::VbArray<type, lo, hi>>::kWidth, \
      off,                                                                             \
      lo,                                                                              \
      (hi) - (lo) + 1},
#define PELLAVAN_RECORD_VISIT_(off, type, name) f(kFields[i++], r.name);
#define PELLAVAN_RECORD_ARRAY_VISIT_(off, type, lo, hi, name) f(kFields[i++], r.name);

#define PELLAVAN_DEFINE_RECORD(Rec, size, FIELDS)                                  \
  struct Rec {                                                                     \
    FIELDS(PELLAVAN_RECORD_MEMBER_, PELLAVAN_RECORD_ARRAY_MEMBER_)                 \
    static constexpr std::size_t kFileSize = size;                                 \
    static constexpr std::string_view kTypeName = #Rec;                            \
    static constexpr auto kFields = std::to_array<::pellavan::model::FieldInfo>(   \
        {FIELDS(PELLAVAN_RECORD_INFO_, PELLAVAN_RECORD_ARRAY_INFO_)});             \
    template <class Self, class Fn>                                                \
    static void visit_fields(Self& r, Fn&& f) {                                    \
      std::size_t i = 0;                                                           \
      FIELDS(PELLAVAN_RECORD_VISIT_, PELLAVAN_RECORD_ARRAY_VISIT_)                 \
    }                                                                              \
    friend bool operator==(const Rec&, const Rec&) = default;                      \
  };                                                                               \
  static_assert(::pellavan::model::layout_is_packed(Rec::kFields, Rec::kFileSize), \
                #Rec ": field offsets must follow each other and fill the record")
