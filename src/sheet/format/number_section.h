#pragma once
// Rendering one section of a format code for a number.

#include <string>

#include "sheet/format/format_code_parser.h"

namespace pellavan::sheet::detail {

struct SectionText {
  std::string text;
  bool shows_nonzero = false;  // some digit shown is not 0 (a minus sign makes sense)
};

// Number, General and literal-only sections, for the magnitude of the value. The caller adds any
// minus sign; `minus_follows` tells General to leave room for it.
SectionText render_number_section(const Section& s, double magnitude, bool minus_follows);

// Date sections; the serial must lie in the range date_section_shows.
std::string render_date_section(const Section& s, double serial);
bool date_section_shows(double serial);

// Literals of a text section with "@" replaced by the text.
std::string render_text_section(const Section& s, std::string_view text);

}  // namespace pellavan::sheet::detail
