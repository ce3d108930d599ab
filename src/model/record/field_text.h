#pragma once
// Fields by name as text, for tools that turn readable sources into record files and back.
// Numbers are written and read with "." whatever the locale; texts are UTF-8 (stored as
// Windows-1252); spares are hexadecimal, two digits a byte. An array field takes the index of
// one element, a scalar none. Unknown names, missing or stray indices, indices outside the
// bounds, texts too long for their field and malformed numbers throw FieldTextError.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/record/field_types.h"
#include "model/record/record_layout.h"

namespace pellavan::model {

class FieldTextError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "UValue(3)" -> name "UValue", index 3; "Name" -> no index.
struct FieldRef {
  std::string name;
  std::optional<int> index;
};
[[nodiscard]] FieldRef parse_field_ref(std::string_view text);

namespace field_text_detail {

// Formatting never fails; parsing throws std::invalid_argument saying what is wrong.
std::string value_text(Int16 v);
std::string value_text(Int32 v);
std::string value_text(Single v);
std::string value_text(Double v);
std::string value_text(Currency v);
std::string value_text(OleDate v);
std::string text_bytes_text(std::span<const char> bytes);
std::string spare_bytes_text(std::span<const std::uint8_t> bytes);

void parse_value(std::string_view s, Int16& v);
void parse_value(std::string_view s, Int32& v);
void parse_value(std::string_view s, Single& v);
void parse_value(std::string_view s, Double& v);
void parse_value(std::string_view s, Currency& v);
void parse_value(std::string_view s, OleDate& v);
void parse_text_bytes(std::string_view s, std::span<char> bytes);
void parse_spare_bytes(std::string_view s, std::span<std::uint8_t> bytes);

template <std::size_t N>
std::string value_text(const Text<N>& v) {
  return text_bytes_text(v.bytes());
}
template <std::size_t N>
std::string value_text(const Spare<N>& v) {
  return spare_bytes_text(v.bytes);
}
template <std::size_t N>
void parse_value(std::string_view s, Text<N>& v) {
  parse_text_bytes(s, v.bytes());
}
template <std::size_t N>
void parse_value(std::string_view s, Spare<N>& v) {
  parse_spare_bytes(s, v.bytes);
}

template <class T>
struct IsArray : std::false_type {};
template <class T, int Lo, int Hi>
struct IsArray<VbArray<T, Lo, Hi>> : std::true_type {};

// The member, or the indexed element of an array member, that a by-name access reaches.
template <class M>
auto& element(M& member, const FieldInfo& info, std::optional<int> index) {
  using Plain = std::remove_cv_t<M>;
  const std::string name(info.name);
  if constexpr (IsArray<Plain>::value) {
    if (!index) throw FieldTextError(name + " is an array: give an element");
    if (!Plain::contains(*index))
      throw FieldTextError(name + ": element " + std::to_string(*index) + " outside " +
                           std::to_string(Plain::kLower) + ".." + std::to_string(Plain::kUpper));
    return member(*index);
  } else {
    if (index) throw FieldTextError(name + " is not an array");
    return member;
  }
}

[[noreturn]] void throw_unknown(std::string_view record, std::string_view name);

}  // namespace field_text_detail

template <Record R>
[[nodiscard]] std::string get_field_text(const R& rec, std::string_view name,
                                         std::optional<int> index = std::nullopt) {
  std::optional<std::string> out;
  R::visit_fields(rec, [&](const FieldInfo& info, const auto& member) {
    if (info.name == name)
      out = field_text_detail::value_text(field_text_detail::element(member, info, index));
  });
  if (!out) field_text_detail::throw_unknown(R::kTypeName, name);
  return *out;
}

template <Record R>
void set_field_text(R& rec, std::string_view name, std::optional<int> index,
                    std::string_view text) {
  bool seen = false;
  R::visit_fields(rec, [&](const FieldInfo& info, auto& member) {
    if (info.name != name) return;
    seen = true;
    auto& target = field_text_detail::element(member, info, index);
    try {
      field_text_detail::parse_value(text, target);
    } catch (const std::invalid_argument& e) {
      throw FieldTextError(std::string(info.name) + ": " + e.what());
    }
  });
  if (!seen) field_text_detail::throw_unknown(R::kTypeName, name);
}

}  // namespace pellavan::model
