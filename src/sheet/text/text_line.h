#pragma once
// One line of a book text file, split into tokens: bare words, "quoted texts" (a doubled quote
// stands for one) and, from a word that starts with "=", the rest of the line as one formula.
// A "#" that starts a word and is followed by a blank or the end of the line begins a comment
// (so "#DIV/0!" stays a word); blank lines and comments give no tokens.

#include <string>
#include <string_view>
#include <vector>

#include "sheet/address.h"
#include "sheet/value.h"

namespace pellavan::sheet {

class Book;

struct LineToken {
  enum class Kind { kWord, kQuoted, kFormula };
  Kind kind = Kind::kWord;
  std::string text;  // quotes undone; a formula without its "="
};

struct TextLine {
  std::string_view file;
  int number = 0;
  std::vector<LineToken> tokens;

  bool empty() const { return tokens.empty(); }
  std::size_t size() const { return tokens.size(); }
  const LineToken& operator[](std::size_t i) const { return tokens[i]; }
  bool word_is(std::size_t i, std::string_view word) const;
  // Throws BookFileError "file:line: message".
  [[noreturn]] void fail(const std::string& message) const;

  // Readers of single tokens that fail with the line's position.
  const std::string& word(std::size_t i, std::string_view what) const;
  double number_at(std::size_t i, std::string_view what) const;
  int integer_at(std::size_t i, std::string_view what) const;
  RangePos range_at(std::size_t i, int sheet) const;  // "B3" or "A1:C4"
  CellPos cell_at(std::size_t i, int sheet) const;
  // A cell constant: "text", a number or m/d/y date, TRUE, FALSE or an error text.
  Value constant_at(std::size_t i, Book& book) const;
};

TextLine split_line(std::string_view file, int number, std::string_view line);

// Calls `each(line)` for every line of `content` that holds tokens.
template <class F>
void for_each_line(std::string_view file, std::string_view content, F&& each) {
  int number = 0;
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view raw = content.substr(0, end);
    content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
    ++number;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    TextLine line = split_line(file, number, raw);
    if (!line.empty()) each(line);
  }
}

}  // namespace pellavan::sheet
