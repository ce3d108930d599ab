#include "sheet_view/view_state.h"

#include <algorithm>

namespace pellavan::sheet::view {

int clamp_row(int row) { return std::clamp(row, 1, kMaxRows); }
int clamp_col(int col) { return std::clamp(col, 1, kMaxCols); }

RangePos Block::range(int sheet) const {
  const int r1 = clamp_row(first_row) - 1, r2 = clamp_row(last_row) - 1;
  const int c1 = clamp_col(first_col) - 1, c2 = clamp_col(last_col) - 1;
  return RangePos{sheet, std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2)};
}

PrintSettings print_settings_of(const Sheet& sheet) {
  const PageSetup& page = sheet.page_setup();
  PrintSettings print;
  print.area = sheet.print_area();
  print.scale_percent = page.scale_percent;
  print.fit = page.fit_pages_wide > 0 || page.fit_pages_tall > 0;
  print.pages_wide = std::max(page.fit_pages_wide, 0);
  print.pages_tall = std::max(page.fit_pages_tall, 0);
  print.black_and_white = page.black_and_white;
  print.centred = page.center_horizontally;
  return print;
}

SheetViewState initial_state(const Sheet& sheet) {
  SheetViewState state;
  state.print = print_settings_of(sheet);
  return state;
}

}  // namespace pellavan::sheet::view
