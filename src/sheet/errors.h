#pragma once
// Exceptions of the engine's API. Evaluation never throws (errors are values); these report
// misuse by a caller, a formula that cannot be entered, and faults in a book's text files.

#include <stdexcept>
#include <string>

namespace pellavan::sheet {

// A call that names no such sheet, row or column, or that breaks a precondition.
class BadCall : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// A formula that does not parse, refused by Book::set_cell_formula; the cell is left as it was.
class FormulaRejected : public std::runtime_error {
 public:
  FormulaRejected(std::string cell, int position, std::string reason)
      : std::runtime_error("formula in " + cell + " rejected at position " +
                           std::to_string(position + 1) + ": " + reason),
        cell_(std::move(cell)),
        position_(position),
        reason_(std::move(reason)) {}
  const std::string& cell() const { return cell_; }
  int position() const { return position_; }  // 0-based offset into the formula text
  const std::string& reason() const { return reason_; }

 private:
  std::string cell_;
  int position_;
  std::string reason_;
};

// A fault in a book's text files; the message begins "file:line: ".
class BookFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace pellavan::sheet
