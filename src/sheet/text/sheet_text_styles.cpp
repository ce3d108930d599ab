// The sheet file's lines that style cells and lay the sheet out: format, font, align, border,
// fill, width, height, hide and page.
#include <algorithm>
#include <charconv>
#include <map>

#include "sheet/text/sheet_text_reader.h"

namespace pellavan::sheet {

namespace {

// "'part' what", built by appending: GCC 12 misreads the concatenation of such parts as an
// overlapping copy when span_at is inlined.
std::string quoted(std::string_view part, std::string_view what) {
  std::string text = "'";
  text.append(part).append(what);
  return text;
}

}  // namespace

Colour colour_at(const TextLine& line, std::size_t i) {
  const std::string& w = line.word(i, "a colour (RRGGBB)");
  std::uint32_t rgb = 0;
  const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), rgb, 16);
  if (w.size() != 6 || ec != std::errc() || end != w.data() + w.size())
    line.fail("'" + w + "' is no colour (RRGGBB)");
  return Colour{rgb};
}

// Changes the style of every cell of the range; cells that shared a style share the new one.
template <class Change>
void SheetTextReader::restyle(const RangePos& whole, Change&& change) {
  const auto part = clipped(whole);
  if (!part) return;
  const RangePos& range = *part;
  std::map<StyleId, StyleId> done;
  for (int r = range.first_row; r <= range.last_row; ++r) {
    for (int c = range.first_col; c <= range.last_col; ++c) {
      const CellPos pos{sheet_, r, c};
      const StyleId old = book_.cell_style(pos);
      auto it = done.find(old);
      if (it == done.end()) {
        Style style = book_.styles().get(old);
        change(style, pos);
        it = done.emplace(old, book_.styles().intern(style)).first;
      }
      book_.set_cell_style(pos, it->second);
    }
  }
}

void SheetTextReader::format(const TextLine& line) {
  if (line.size() != 3 || line[2].kind != LineToken::Kind::kQuoted)
    line.fail("format takes a range and a \"code\"");
  const NumberFormat fmt = NumberFormat::parse(line[2].text);
  restyle(line.range_at(1, sheet_), [&](Style& s, CellPos) { s.format = fmt; });
}

void SheetTextReader::font(const TextLine& line) {
  const RangePos range = line.range_at(1, sheet_);
  Font changes;
  bool bold = false, italic = false, underline = false, has_size = false, has_name = false,
       has_colour = false;
  for (std::size_t i = 2; i < line.size(); ++i) {
    if (line.word_is(i, "bold")) {
      bold = true;
    } else if (line.word_is(i, "italic")) {
      italic = true;
    } else if (line.word_is(i, "underline")) {
      underline = true;
    } else if (line.word_is(i, "size")) {
      changes.size = line.number_at(++i, "the font size");
      has_size = true;
    } else if (line.word_is(i, "name")) {
      if (++i >= line.size() || line[i].kind != LineToken::Kind::kQuoted)
        line.fail("name takes a \"font name\"");
      changes.name = line[i].text;
      has_name = true;
    } else if (line.word_is(i, "colour")) {
      changes.colour = colour_at(line, ++i);
      has_colour = true;
    } else {
      line.fail("unknown font attribute '" + line[i].text + "'");
    }
  }
  restyle(range, [&](Style& s, CellPos) {
    s.font.bold = s.font.bold || bold;
    s.font.italic = s.font.italic || italic;
    s.font.underline = s.font.underline || underline;
    if (has_size) s.font.size = changes.size;
    if (has_name) s.font.name = changes.name;
    if (has_colour) s.font.colour = changes.colour;
  });
}

void SheetTextReader::align(const TextLine& line) {
  const RangePos range = line.range_at(1, sheet_);
  std::optional<HAlign> h;
  std::optional<VAlign> v;
  bool wrap = false;
  static const std::map<std::string, HAlign, std::less<>> kHorizontal = {
      {"general", HAlign::kGeneral},
      {"left", HAlign::kLeft},
      {"center", HAlign::kCenter},
      {"right", HAlign::kRight}};
  static const std::map<std::string, VAlign, std::less<>> kVertical = {
      {"bottom", VAlign::kBottom}, {"middle", VAlign::kCenter}, {"top", VAlign::kTop}};
  for (std::size_t i = 2; i < line.size(); ++i) {
    const std::string& w = line.word(i, "an alignment");
    if (auto it = kHorizontal.find(w); it != kHorizontal.end()) {
      h = it->second;
    } else if (auto jt = kVertical.find(w); jt != kVertical.end()) {
      v = jt->second;
    } else if (w == "wrap") {
      wrap = true;
    } else {
      line.fail("unknown alignment '" + w + "'");
    }
  }
  restyle(range, [&](Style& s, CellPos) {
    if (h) s.horizontal = *h;
    if (v) s.vertical = *v;
    s.wrap = s.wrap || wrap;
  });
}

// border RANGE sides... [thin|medium|thick|double] [colour RRGGBB]; sides are left, right, top,
// bottom (of every cell), box (the outline of the range) and all (every side of every cell).
void SheetTextReader::border(const TextLine& line) {
  const RangePos range = line.range_at(1, sheet_);
  static const std::map<std::string, BorderLine, std::less<>> kLines = {
      {"thin", BorderLine::kThin},
      {"medium", BorderLine::kMedium},
      {"thick", BorderLine::kThick},
      {"double", BorderLine::kDouble},
      {"none", BorderLine::kNone}};
  Border pen{BorderLine::kThin, Colour{}};
  bool sides[4] = {false, false, false, false};
  bool box = false;
  for (std::size_t i = 2; i < line.size(); ++i) {
    const std::string& w = line.word(i, "a border side or line");
    if (auto it = kLines.find(w); it != kLines.end()) {
      pen.line = it->second;
    } else if (w == "colour") {
      pen.colour = colour_at(line, ++i);
    } else if (w == "left" || w == "right" || w == "top" || w == "bottom") {
      sides[w == "left" ? 0 : w == "right" ? 1 : w == "top" ? 2 : 3] = true;
    } else if (w == "all") {
      sides[0] = sides[1] = sides[2] = sides[3] = true;
    } else if (w == "box") {
      box = true;
    } else {
      line.fail("unknown border word '" + w + "'");
    }
  }
  restyle(range, [&](Style& s, CellPos p) {
    const bool outline[4] = {p.col == range.first_col, p.col == range.last_col,
                             p.row == range.first_row, p.row == range.last_row};
    for (int k = 0; k < 4; ++k) {
      if (sides[k] || (box && outline[k])) s.borders[static_cast<std::size_t>(k)] = pen;
    }
  });
}

void SheetTextReader::fill(const TextLine& line) {
  if (line.size() != 3) line.fail("fill takes a range and a colour");
  const Colour colour = colour_at(line, 2);
  restyle(line.range_at(1, sheet_), [&](Style& s, CellPos) { s.fill = colour; });
}

// "A" or "A:C" for columns, "5" or "1:3" for rows: 0-based first and last.
std::pair<int, int> SheetTextReader::span_at(const TextLine& line, std::size_t i,
                                             bool columns) const {
  const std::string& w = line.word(i, columns ? "columns (A or A:C)" : "rows (5 or 1:3)");
  const auto colon = w.find(':');
  auto one = [&](std::string_view part) -> int {
    if (columns) {
      const auto col = column_from_name(part);
      if (!col) line.fail(quoted(part, "' is no column"));
      return *col;
    }
    int row = 0;
    const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), row);
    if (ec != std::errc() || end != part.data() + part.size() || row < 1 || row > kMaxRows) {
      line.fail(quoted(part, "' is no row"));
    }
    return row - 1;
  };
  const std::string_view text = w;
  const int first = one(text.substr(0, colon));
  const int last = colon == std::string_view::npos ? first : one(text.substr(colon + 1));
  return {std::min(first, last), std::max(first, last)};
}

void SheetTextReader::size(const TextLine& line, bool columns) {
  if (line.size() != 3)
    line.fail(std::string(columns ? "width" : "height") + " takes a span and a size");
  Sheet& sheet = book_.sheet(sheet_);
  const double value = line.number_at(2, "the size");
  if (value < 0) line.fail("a size cannot be negative");
  if (line.word_is(1, "default")) {
    columns ? sheet.set_default_column_width(value) : sheet.set_default_row_height(value);
    return;
  }
  const auto [first, last] = span_at(line, 1, columns);
  for (int i = first; i <= last; ++i) {
    if (columns) {
      sheet.set_column_width(i, value);
    } else if (in_window(i)) {
      sheet.set_row_height(i, value);
    }
  }
}

void SheetTextReader::hide(const TextLine& line) {
  const bool columns = line.word_is(1, "columns");
  if (line.size() != 3 || (!columns && !line.word_is(1, "rows")))
    line.fail("hide takes 'columns A:C' or 'rows 3:4'");
  const auto [first, last] = span_at(line, 2, columns);
  Sheet& sheet = book_.sheet(sheet_);
  for (int i = first; i <= last; ++i) {
    if (columns) {
      sheet.set_column_hidden(i, true);
    } else if (in_window(i)) {
      sheet.set_row_hidden(i, true);
    }
  }
}

// page [portrait|landscape] [margins L R T B] [scale N] [fit WIDE TALL] [blackwhite] [centered]
void SheetTextReader::page(const TextLine& line) {
  PageSetup& page = book_.sheet(sheet_).page_setup();
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line.word_is(i, "portrait") || line.word_is(i, "landscape")) {
      page.landscape = line.word_is(i, "landscape");
    } else if (line.word_is(i, "margins")) {
      page.margin_left = line.number_at(++i, "the left margin");
      page.margin_right = line.number_at(++i, "the right margin");
      page.margin_top = line.number_at(++i, "the top margin");
      page.margin_bottom = line.number_at(++i, "the bottom margin");
    } else if (line.word_is(i, "scale")) {
      page.scale_percent = line.integer_at(++i, "the scale");
    } else if (line.word_is(i, "fit")) {
      page.fit_pages_wide = line.integer_at(++i, "pages wide");
      page.fit_pages_tall = line.integer_at(++i, "pages tall");
    } else if (line.word_is(i, "blackwhite")) {
      page.black_and_white = true;
    } else if (line.word_is(i, "centered")) {
      page.center_horizontally = true;
    } else {
      line.fail("unknown page setting '" + line[i].text + "'");
    }
  }
}

}  // namespace pellavan::sheet
