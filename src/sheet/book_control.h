#pragma once
// The spreadsheet control's cell calls on a Book: an active sheet and 1-based rows and columns,
// as the program's windows and the workbook filler make them. It does not own the book; views
// and their state (block, zoom, printing) are the view layer's.

#include <string>
#include <string_view>

#include "sheet/book.h"

namespace pellavan::sheet {

class BookControl {
 public:
  explicit BookControl(Book& book) : book_(&book) {}

  Book& book() const { return *book_; }

  // 1-based sheet number; BadCall when there is no such sheet.
  void set_active_sheet(int number);
  int active_sheet() const { return active_ + 1; }
  int sheet_count() const { return book_->sheet_count(); }

  void set_cell_text(int row, int col, std::string_view text) {
    book_->set_cell_text(at(row, col), text);
  }
  std::string cell_text(int row, int col) const { return book_->cell_text(at(row, col)); }
  // The formula without "="; FormulaRejected when it does not parse.
  void set_cell_formula(int row, int col, std::string_view formula) {
    book_->set_cell_formula(at(row, col), formula);
  }
  const RecalcReport& recalc() { return book_->recalc(); }

  // The 0-based position of a 1-based row and column of the active sheet (BadCall outside it).
  CellPos at(int row, int col) const;

 private:
  Book* book_;
  int active_ = 0;
};

}  // namespace pellavan::sheet
