#pragma once
// Reads the lines of one sheet file of a book text (the format is described in book_text.h) into
// a sheet of a Book: cells, includes and expectations here, styles and the sheet's layout in
// sheet_text_styles.cpp.

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sheet/text/embedded_file.h"
#include "sheet/book.h"
#include "sheet/text/text_line.h"

namespace pellavan::sheet {

class SheetTextReader {
 public:
  // Finds another sheet file of the book by name ("include" lines), failing on the line when
  // there is none. The file's name and content outlive the reader.
  using IncludeSource = std::function<EmbeddedFile(const TextLine& at, const std::string& name)>;

  SheetTextReader(Book& book, int sheet, IncludeSource includes = {})
      : book_(book), sheet_(sheet), includes_(std::move(includes)) {}

  // False when the line is none of the sheet file's lines (the caller may know it).
  bool read(const TextLine& line);
  // Checks the sheet's "expect" lines; call after the last line.
  void finish() const;

  int sheet() const { return sheet_; }

 private:
  struct Expectation {
    std::string what;
    std::string wanted;
    std::string file;
    int line = 0;
  };

  struct WrittenBy {
    std::string_view file;
    int line = 0;
  };

  void cells(const TextLine& line, std::size_t first, bool is_override);
  void claim(const TextLine& line, CellPos pos, bool is_override);
  // Sheets that the formulas of an included file read under another name: {from, to}.
  using SheetRenames = std::vector<std::pair<std::string, std::string>>;

  void include(const TextLine& line);
  std::string sheet_name_at(const TextLine& line, std::size_t i) const;
  std::string renamed(const std::string& formula, CellPos origin) const;
  void erase(const TextLine& line);
  void seed(const TextLine& line);
  bool in_window(int row) const { return row >= window_first_ && row <= window_last_; }
  // The part of `range` inside the row window, nullopt when none is.
  std::optional<RangePos> clipped(RangePos range) const;
  template <class Change>
  void restyle(const RangePos& range, Change&& change);
  void format(const TextLine& line);
  void font(const TextLine& line);
  void align(const TextLine& line);
  void border(const TextLine& line);
  void fill(const TextLine& line);
  void size(const TextLine& line, bool columns);
  void hide(const TextLine& line);
  void page(const TextLine& line);
  void expect(const TextLine& line);
  std::pair<int, int> span_at(const TextLine& line, std::size_t i, bool columns) const;

  Book& book_;
  int sheet_;
  IncludeSource includes_;
  std::unordered_map<CellPos, WrittenBy> written_;
  std::vector<Expectation> expectations_;
  // While an included file is read: its name (and those including it), and the rows it may write.
  std::vector<std::string_view> including_;
  std::vector<SheetRenames> renames_;  // one entry per file in including_
  int window_first_ = 0;
  int window_last_ = kMaxRows - 1;
};

// "FF0000" -> red; fails on the line when the text is no six-digit hex colour.
Colour colour_at(const TextLine& line, std::size_t i);

}  // namespace pellavan::sheet
