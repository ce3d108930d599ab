#include "sheet/book_control.h"

#include "sheet/errors.h"

namespace pellavan::sheet {

void BookControl::set_active_sheet(int number) {
  if (number < 1 || number > book_->sheet_count())
    throw BadCall("no sheet number " + std::to_string(number));
  active_ = number - 1;
}

CellPos BookControl::at(int row, int col) const {
  if (row < 1 || row > kMaxRows || col < 1 || col > kMaxCols) {
    throw BadCall("no cell at row " + std::to_string(row) + ", column " + std::to_string(col));
  }
  return CellPos{active_, row - 1, col - 1};
}

}  // namespace pellavan::sheet
