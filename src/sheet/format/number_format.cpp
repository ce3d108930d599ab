#include "sheet/format/number_format.h"

#include <cmath>

#include "sheet/format/format_code_parser.h"
#include "sheet/format/general_text.h"
#include "sheet/format/number_section.h"

namespace pellavan::sheet {

namespace {

constexpr std::string_view kGeneralCode = "General";

std::shared_ptr<const FormatCode> general_code() {
  static const auto general = [] {
    auto code = detail::parse_format_code(kGeneralCode);
    return std::make_shared<const FormatCode>(std::move(*code));
  }();
  return general;
}

}  // namespace

NumberFormat::NumberFormat() : parsed_(general_code()) {}

NumberFormat::NumberFormat(std::shared_ptr<const FormatCode> parsed) : parsed_(std::move(parsed)) {}

NumberFormat NumberFormat::general() { return NumberFormat(general_code()); }

NumberFormat NumberFormat::parse(std::string_view code) {
  if (code.empty()) return general();
  if (auto parsed = detail::parse_format_code(code)) {
    return NumberFormat(std::make_shared<const FormatCode>(std::move(*parsed)));
  }
  FormatCode fallback = *general_code();
  fallback.code = std::string(code);  // keep what was asked for, show General
  fallback.fell_back = true;
  return NumberFormat(std::make_shared<const FormatCode>(std::move(fallback)));
}

std::string_view NumberFormat::code() const { return parsed_->code; }

bool NumberFormat::is_date() const {
  return !parsed_->numeric.empty() && parsed_->numeric.front().kind == detail::Section::Kind::kDate;
}

bool NumberFormat::is_general() const {
  if (parsed_->fell_back) return true;
  const auto& numeric = parsed_->numeric;
  return numeric.size() == 1 && !parsed_->text && !numeric.front().red &&
         numeric.front().kind == detail::Section::Kind::kGeneral &&
         numeric.front().tokens.size() == 1;
}

NumberFormat::Rendered NumberFormat::format_number(double value) const {
  if (!std::isfinite(value)) return {"#NUM!", false};
  const auto& numeric = parsed_->numeric;
  if (numeric.empty()) return {detail::general_text(value), false};

  // Positive; negative (without its own minus sign); zero.
  std::size_t index = 0;
  if (value < 0 && numeric.size() >= 2) {
    index = 1;
  } else if (value == 0 && numeric.size() >= 3) {
    index = 2;
  }
  const detail::Section& section = numeric[index];
  const bool own_minus = value < 0 && index == 0;

  if (section.kind == detail::Section::Kind::kDate) {
    const double serial = own_minus ? value : std::fabs(value);
    if (!detail::date_section_shows(serial)) return {detail::general_text(value), section.red};
    return {detail::render_date_section(section, serial), section.red};
  }
  detail::SectionText shown = detail::render_number_section(section, std::fabs(value), own_minus);
  // A negative that rounds to zero shows no minus sign ("0", never "-0").
  if (own_minus && shown.shows_nonzero) shown.text.insert(0, 1, '-');
  return {std::move(shown.text), section.red};
}

std::string NumberFormat::format_text(std::string_view text) const {
  if (!parsed_->text) return std::string(text);
  return detail::render_text_section(*parsed_->text, text);
}

std::string text_function(double value, std::string_view format_code) {
  return NumberFormat::parse(format_code).format_number(value).text;
}

}  // namespace pellavan::sheet
