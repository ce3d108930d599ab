#pragma once
// The composed texts of the Loads sheet: the dealer's and client's city lines and the three
// lines the project notes are broken into.

#include <array>
#include <string>
#include <string_view>

namespace pellavan::workbook {

// Trimmed city, "," (a blank when the city is empty), a blank, trimmed state, two blanks and the
// zip code, the whole trimmed again: "St. Louis, MO  63101". Arguments are the fields' bytes.
std::string city_line(std::string_view city, std::string_view state, std::string_view zip);

// The 165-character notes broken at blanks into a first line of at most 55 characters, a second
// one ending with the blank it was cut at, and a third of 55 characters that ends in "..." when
// the notes go on beyond it. Positions past the text, and characters with codes up to 32, count
// as blanks. The lines are the notes' bytes, untrimmed.
std::array<std::string, 3> notes_lines(std::string_view notes);

}  // namespace pellavan::workbook
