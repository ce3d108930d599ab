#pragma once
// A number format code split into its sections and tokens.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pellavan::sheet {

namespace detail {

struct Token {
  enum class Type : std::uint8_t {
    kLiteral,   // text: quoted strings, escapes, "_x" spacing, "%", "$", "(", ...
    kDigit,     // '0', '#' or '?' in `ch`
    kPoint,     // the decimal point of a number section
    kTextAt,    // '@': the cell's text
    kGeneral,   // "General"
    kDatePart,  // a run of `count` d, m or y in `ch` (lower case)
  };
  Type type = Type::kLiteral;
  char ch = 0;
  int count = 0;
  std::string text;
};

struct Section {
  enum class Kind : std::uint8_t {
    kGeneral,  // "General", possibly with literals around it
    kNumber,   // digit placeholders
    kDate,     // day, month and year parts
    kLiteral,  // literals only (an empty section shows nothing)
  };
  Kind kind = Kind::kLiteral;
  bool red = false;
  std::vector<Token> tokens;
  // Number sections: the token index of the point (tokens.size() when there is none),
  // thousands grouping, "%" count (x100 each) and trailing commas (/1000 each).
  std::size_t point = 0;
  bool grouping = false;
  int percent = 0;
  int thousands_scale = 0;
};

}  // namespace detail

struct FormatCode {
  std::string code;
  std::vector<detail::Section> numeric;  // sections for numbers: positive; negative; zero
  std::optional<detail::Section> text;   // the section that shows texts, if any
  bool fell_back = false;                // the code was not understood: General
};

namespace detail {
// nullopt when the code is empty, malformed or uses features this renderer lacks.
std::optional<FormatCode> parse_format_code(std::string_view code);
}  // namespace detail

}  // namespace pellavan::sheet
