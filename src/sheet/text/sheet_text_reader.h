#pragma once
// Reads the lines of one sheet file of a book text (the format is described in book_text.h) into
// a sheet of a Book.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sheet/book.h"
#include "sheet/text/text_line.h"

namespace pellavan::sheet {

class SheetTextReader {
 public:
  SheetTextReader(Book& book, int sheet) : book_(book), sheet_(sheet) {}

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

  void cells(const TextLine& line, std::size_t first, bool is_override);
  void claim(const TextLine& line, CellPos pos, bool is_override);
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
  std::unordered_map<CellPos, int> written_;  // cell -> line that wrote it
  std::vector<Expectation> expectations_;
};

// "FF0000" -> red; fails on the line when the text is no six-digit hex colour.
Colour colour_at(const TextLine& line, std::size_t i);

}  // namespace pellavan::sheet
