#include "model/text/cp1252.h"

#include <array>
#include <cstdint>

namespace pellavan::model {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t code_point_of(std::uint8_t byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

constexpr char kReplacement = '?';

char byte_of(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  return kReplacement;
}

// Lead bytes of the multi-byte UTF-8 sequences: pattern, continuation bytes, least code point.
struct Lead {
  std::uint8_t mask;
  std::uint8_t pattern;
  int extra;
  char32_t least;
};
constexpr Lead kLeads[] = {{0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}};

// Decodes one UTF-8 sequence at s[i], advancing i; malformed input gives U+FFFD.
char32_t next_code_point(std::string_view s, std::size_t& i) {
  constexpr char32_t kInvalid = 0xFFFD;
  const auto lead = static_cast<std::uint8_t>(s[i++]);
  if (lead < 0x80) return lead;
  for (const Lead& form : kLeads) {
    if ((lead & form.mask) != form.pattern) continue;
    char32_t cp = lead & static_cast<std::uint8_t>(~form.mask);
    for (int k = 0; k < form.extra; ++k) {
      if (i >= s.size() || (static_cast<std::uint8_t>(s[i]) & 0xC0) != 0x80) return kInvalid;
      cp = (cp << 6) | (static_cast<std::uint8_t>(s[i++]) & 0x3Fu);
    }
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    return cp < form.least || cp > 0x10FFFF || surrogate ? kInvalid : cp;
  }
  return kInvalid;
}

}  // namespace

std::string utf8_from_cp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) append_utf8(out, code_point_of(static_cast<std::uint8_t>(c)));
  return out;
}

std::string cp1252_from_utf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out.push_back(byte_of(next_code_point(utf8, i)));
  return out;
}

}  // namespace pellavan::model
