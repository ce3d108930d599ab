#include "model/record/cell_text_forms.h"

#include <charconv>
#include <cmath>

#include "model/text/ascii.h"
#include "model/text/cp1252.h"
#include "sheet/format/date_serial.h"
#include "sheet/format/number_text.h"

namespace pellavan::model {

std::string currency_text(Currency value) {
  const std::int64_t raw = value.raw();
  // The magnitude as unsigned, so that the most negative value has one too.
  const std::uint64_t magnitude =
      raw < 0 ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
  const auto scale = static_cast<std::uint64_t>(Currency::kScale);
  std::string text = raw < 0 ? "-" : "";
  text += std::to_string(magnitude / scale);
  std::uint64_t fraction = magnitude % scale;
  if (fraction == 0) return text;
  std::string decimals =
      std::to_string(fraction + scale).substr(1);  // four digits, leading zeros kept
  decimals.erase(decimals.find_last_not_of('0') + 1);
  return text + "." + decimals;
}

std::string integer_text(std::int64_t value) { return std::to_string(value); }

std::string double_text(double value) {
  if (!std::isfinite(value)) return {};
  return sheet::plain_number_text(value);
}

std::string single_text(float value) {
  if (!std::isfinite(value)) return {};
  if (value == 0.0f) return "0";
  // The shortest text that reads back as this float has at most 9 digits; rounding the float
  // itself to 7 significant digits gives the form a 32-bit value is shown in.
  char buf[32];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
  std::string text(buf, res.ptr);
  const auto e = text.find('e');
  if (e == std::string::npos) return text;
  // "1.5e+20" -> "1.5E+20", as the number texts of the workbook write exponents.
  text[e] = 'E';
  return text;
}

std::string date_text(OleDate value) {
  static const double first =
      sheet::serial_from_date({100, 1, 1});  // a shorter year would read as 19xx or 20xx
  static const double last = sheet::serial_from_date({9999, 12, 31});
  if (!std::isfinite(value.serial) || value.serial < first || value.serial >= last + 1) return {};
  const sheet::CivilDate d = sheet::date_from_serial(value.serial);
  return std::to_string(d.month) + "/" + std::to_string(d.day) + "/" + std::to_string(d.year);
}

std::string stored_field_text(std::string_view bytes) {
  return utf8_from_cp1252(bytes.substr(0, bytes.find('\0')));
}

std::string trimmed_field_text(std::string_view bytes) {
  return utf8_from_cp1252(trim_blanks(bytes.substr(0, bytes.find('\0'))));
}

}  // namespace pellavan::model
