#include "model/record/field_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/text/ascii.h"
#include "model/text/cp1252.h"

namespace pellavan::model {
namespace field_text_detail {
namespace {

std::string_view trim(std::string_view s) { return trim_blanks(s, " \t"); }

[[noreturn]] void bad(std::string_view what, std::string_view s) {
  throw std::invalid_argument(std::string(what) + " \"" + std::string(s) + "\"");
}

template <class T>
T parse_integer(std::string_view s) {
  s = trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  T v{};
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range) bad("out of range:", s);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) bad("not a whole number:", s);
  return v;
}

double parse_real(std::string_view s) {
  s = trim(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty() || !std::isfinite(v))
    bad("not a number:", s);
  return v;
}

template <class T>
std::string shortest(T v) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, res.ptr);
}

// [-+]digits[.digits] read exactly; decimals past the fourth round half to even.
Currency parse_currency(std::string_view s) {
  const std::string_view original = s;
  s = trim(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  const auto point = s.find('.');
  const std::string_view whole = s.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : s.substr(point + 1);
  const auto digits_only = [](std::string_view d) {
    return d.find_first_not_of("0123456789") == std::string_view::npos;
  };
  if ((whole.empty() && fraction.empty()) || !digits_only(whole) || !digits_only(fraction))
    bad("not a decimal number:", original);

  constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
  std::int64_t raw = 0;
  const auto push = [&](char digit) {
    if (raw > (kMax - (digit - '0')) / 10) bad("out of range:", original);
    raw = raw * 10 + (digit - '0');
  };
  for (const char c : whole) push(c);
  for (std::size_t i = 0; i < 4; ++i) push(i < fraction.size() ? fraction[i] : '0');
  if (fraction.size() > 4) {
    const std::string_view rest = fraction.substr(4);
    const bool above = rest[0] > '5' ||
                       (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
    const bool tie = rest[0] == '5' && !above;
    if (above || (tie && raw % 2 != 0)) {
      if (raw == kMax) bad("out of range:", original);
      ++raw;
    }
  }
  return Currency::from_raw(negative ? -raw : raw);
}

}  // namespace

std::string value_text(Int16 v) { return std::to_string(v); }
std::string value_text(Int32 v) { return std::to_string(v); }
std::string value_text(Single v) { return shortest(v); }
std::string value_text(Double v) { return shortest(v); }
std::string value_text(OleDate v) { return shortest(v.serial); }

std::string value_text(Currency v) {
  const std::int64_t raw = v.raw();
  // Work on the magnitude as unsigned so that the most negative value has one too.
  const std::uint64_t magnitude =
      raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
  std::string text = raw < 0 ? "-" : "";
  text += std::to_string(magnitude / 10000);
  std::string decimals = std::to_string(magnitude % 10000);
  decimals.insert(0, 4 - decimals.size(), '0');
  while (!decimals.empty() && decimals.back() == '0') decimals.pop_back();
  if (!decimals.empty()) {
    text += '.';
    text += decimals;
  }
  return text;
}

std::string text_bytes_text(std::span<const char> bytes) {
  std::string_view v(bytes.data(), bytes.size());
  const auto last = v.find_last_not_of(std::string_view(" \0", 2));
  return utf8_from_cp1252(last == std::string_view::npos ? "" : v.substr(0, last + 1));
}

std::string spare_bytes_text(std::span<const std::uint8_t> bytes) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const auto b : bytes) {
    out.push_back(kHex[b >> 4]);
    out.push_back(kHex[b & 0xF]);
  }
  return out;
}

void parse_value(std::string_view s, Int16& v) { v = parse_integer<Int16>(s); }
void parse_value(std::string_view s, Int32& v) { v = parse_integer<Int32>(s); }
void parse_value(std::string_view s, Double& v) { v = parse_real(s); }
void parse_value(std::string_view s, OleDate& v) { v.serial = parse_real(s); }
void parse_value(std::string_view s, Currency& v) { v = parse_currency(s); }

void parse_value(std::string_view s, Single& v) {
  const double d = parse_real(s);
  if (std::fabs(d) > std::numeric_limits<Single>::max()) bad("out of range:", s);
  v = static_cast<Single>(d);
}

void parse_text_bytes(std::string_view s, std::span<char> bytes) {
  const std::string encoded = cp1252_from_utf8(s);
  if (encoded.size() > bytes.size())
    bad("longer than " + std::to_string(bytes.size()) + " characters:", s);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = i < encoded.size() ? encoded[i] : ' ';
}

void parse_spare_bytes(std::string_view s, std::span<std::uint8_t> bytes) {
  s = trim(s);
  if (s.size() != bytes.size() * 2)
    bad("want " + std::to_string(bytes.size() * 2) + " hexadecimal digits:", s);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(s.data() + 2 * i, s.data() + 2 * i + 2, value, 16);
    if (ec != std::errc() || end != s.data() + 2 * i + 2) bad("not hexadecimal:", s);
    bytes[i] = static_cast<std::uint8_t>(value);
  }
}

[[noreturn]] void throw_unknown(std::string_view record, std::string_view name) {
  throw FieldTextError(std::string(record) + " has no field " + std::string(name));
}

}  // namespace field_text_detail

FieldRef parse_field_ref(std::string_view text) {
  const auto open = text.find('(');
  if (open == std::string_view::npos) return {std::string(text), std::nullopt};
  if (text.back() != ')') throw FieldTextError("malformed field reference " + std::string(text));
  const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
  int index = 0;
  const auto [end, ec] = std::from_chars(inside.data(), inside.data() + inside.size(), index);
  if (ec != std::errc() || end != inside.data() + inside.size() || inside.empty())
    throw FieldTextError("malformed field reference " + std::string(text));
  return {std::string(text.substr(0, open)), index};
}

}  // namespace pellavan::model
