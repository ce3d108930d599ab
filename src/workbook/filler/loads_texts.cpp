#include "workbook/filler/loads_texts.h"

#include "model/text/ascii.h"

namespace pellavan::workbook {

namespace {

using model::trim_blanks;

// Positions count from 1, as the line breaking is described.
class Notes {
 public:
  explicit Notes(std::string_view text) : text_(text) {}
  bool blank(std::size_t pos) const {
    return pos < 1 || pos > text_.size() || static_cast<unsigned char>(text_[pos - 1]) <= 32;
  }
  // Characters first..last (inclusive), fewer at the end of the text, none when last < first.
  std::string span(std::size_t first, std::size_t last) const {
    if (last < first || first > text_.size()) return {};
    return std::string(text_.substr(first - 1, last - first + 1));
  }
  // From `start` to the left up to a blank; when that walks to position 1, `fallback` instead.
  std::size_t break_before(std::size_t start, std::size_t fallback) const {
    std::size_t pos = start;
    while (!blank(pos)) {
      if (--pos == 1) return fallback;
    }
    return pos;
  }

 private:
  std::string_view text_;
};

}  // namespace

std::string city_line(std::string_view city, std::string_view state, std::string_view zip) {
  const std::string_view trimmed_city = trim_blanks(city);
  std::string line(trimmed_city);
  line += trimmed_city.empty() ? " " : ",";
  line += " ";
  line += trim_blanks(state);
  line += "  ";
  line += zip;
  return std::string(trim_blanks(line));
}

std::array<std::string, 3> notes_lines(std::string_view text) {
  constexpr std::size_t kLine = 55;
  const Notes notes(text);
  const std::size_t p1 = notes.break_before(kLine + 1, kLine);
  const std::size_t p2 = notes.break_before(p1 + kLine + 1, 2 * kLine);
  std::array<std::string, 3> lines{notes.span(1, p1 - 1), notes.span(p1 + 1, p2),
                                   notes.span(p2 + 1, p2 + kLine)};
  if (!notes.blank(p2 + kLine)) lines[2].replace(lines[2].size() - 3, 3, "...");
  return lines;
}

}  // namespace pellavan::workbook
