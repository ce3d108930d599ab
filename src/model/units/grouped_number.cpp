#include "model/units/grouped_number.h"

#include <cmath>

#include "model/units/number_text.h"

namespace pellavan::model {

std::string grouped(double value, int decimals, int min_digits) {
  const std::string text = format_fixed(std::abs(value), decimals, true);
  const auto point = text.find('.');
  std::string whole = text.substr(0, point);
  const std::string rest = point == std::string::npos ? "" : text.substr(point);
  if (whole == "0" && min_digits == 0) whole.clear();
  if (static_cast<int>(whole.size()) < min_digits)
    whole = std::string(static_cast<std::size_t>(min_digits) - whole.size(), '0') + whole;
  // Built by appending: GCC 12 misreads inserts into a string as overlapping copies.
  std::string digits = value < 0 && Val(text) != 0.0 ? "-" : "";
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) digits += ',';
    digits += whole[i];
  }
  return digits + rest;
}

}  // namespace pellavan::model
