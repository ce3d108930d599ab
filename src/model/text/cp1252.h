#pragma once
// Conversion between the single-byte Windows-1252 text of the record fields and the UTF-8 text
// the windows show and take. Every byte converts to one character and back unchanged (the five
// bytes Windows-1252 leaves undefined map to the control characters of the same number); a
// character Windows-1252 cannot hold, or a malformed UTF-8 sequence, becomes '?'.

#include <string>
#include <string_view>

#include "model/record/field_types.h"

namespace pellavan::model {

[[nodiscard]] std::string utf8_from_cp1252(std::string_view bytes);
[[nodiscard]] std::string cp1252_from_utf8(std::string_view utf8);

// A text field as shown: without leading and trailing blanks (NULs are kept), in UTF-8.
template <std::size_t N>
[[nodiscard]] std::string shown_text(const Text<N>& field) {
  return utf8_from_cp1252(field.trimmed());
}

// Stores UTF-8 text into a field, cut to N characters or padded with blanks.
template <std::size_t N>
void assign_utf8(Text<N>& field, std::string_view utf8) {
  field.assign(cp1252_from_utf8(utf8));
}

}  // namespace pellavan::model
