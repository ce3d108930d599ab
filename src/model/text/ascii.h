#pragma once
// Plain byte-text helpers the files and the filler share: blanks trimmed, and names and tags
// compared without regard to ASCII letter case (other bytes compare as they are).

#include <algorithm>
#include <string_view>

namespace pellavan::model {

// `text` without its leading and trailing characters from `blanks`.
[[nodiscard]] constexpr std::string_view trim_blanks(std::string_view text,
                                                     std::string_view blanks = " ") {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

[[nodiscard]] constexpr char ascii_upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

[[nodiscard]] constexpr bool equal_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return ascii_upper(x) == ascii_upper(y);
         });
}

// The order of lists sorted without regard to case: ASCII letters fold, every other byte compares
// by its value, whatever the machine's locale.
[[nodiscard]] constexpr bool less_ignoring_case(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(ascii_upper(x)) < static_cast<unsigned char>(ascii_upper(y));
  });
}

}  // namespace pellavan::model
