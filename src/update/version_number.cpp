#include "update/version_number.h"

#include "model/units/number_text.h"

namespace pellavan::update {

double this_version_number(int major, int minor, int revision) {
  return model::Val(std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision));
}

std::string_view first_field(std::string_view text) {
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string_view::npos) return {};
  text.remove_prefix(start);
  if (text.front() == '"') {
    text.remove_prefix(1);
    return text.substr(0, text.find('"'));
  }
  return text.substr(0, text.find_first_of(",\r\n"));
}

double web_version_number(std::string_view file_text) { return model::Val(first_field(file_text)); }

bool reads_as_version(std::string_view file_text) {
  std::string_view field = first_field(file_text);
  const auto end = field.find_last_not_of(" \t");
  field = field.substr(0, end == std::string_view::npos ? 0 : end + 1);
  const auto digits = [](std::string_view part, std::size_t most) {
    return !part.empty() && part.size() <= most &&
           part.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const auto point = field.find('.');
  const bool shaped = point == std::string_view::npos
                          ? digits(field, 3)
                          : digits(field.substr(0, point), 3) && digits(field.substr(point + 1), 6);
  return shaped && web_version_number(field) > 0;
}

std::string web_version_text(double number) {
  // "5.020" -> "5.0.20": a point after the first decimal digit.
  const std::string digits = model::format_fixed(number, 3, true);
  // Built by appending: GCC 12 misreads an insert into a string as overlapping copies.
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i + 2 == digits.size()) text.push_back('.');
    text.push_back(digits[i]);
  }
  return text;
}

}  // namespace pellavan::update
