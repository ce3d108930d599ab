#include "sheetshot/demo_style.h"

#include <functional>

namespace pellavan::sheetshot {

namespace {

using namespace sheet;

void restyle(Book& book, const char* range, const std::function<void(Style&)>& change) {
  const RangePos r = *parse_a1_range(range);
  for (int row = r.first_row; row <= r.last_row; ++row) {
    for (int col = r.first_col; col <= r.last_col; ++col) {
      const CellPos pos{0, row, col};
      Style style = book.style_of(pos);
      change(style);
      book.set_cell_style(pos, book.styles().intern(style));
    }
  }
}

std::function<void(Style&)> format(const char* code) {
  const NumberFormat f = NumberFormat::parse(code);
  return [f](Style& s) { s.format = f; };
}

void box(Book& book, const char* range, BorderLine line) {
  const RangePos r = *parse_a1_range(range);
  for (int row = r.first_row; row <= r.last_row; ++row) {
    for (int col = r.first_col; col <= r.last_col; ++col) {
      const CellPos pos{0, row, col};
      Style style = book.style_of(pos);
      if (col == r.first_col) style.border(Side::kLeft) = Border{line, Colour{}};
      if (col == r.last_col) style.border(Side::kRight) = Border{line, Colour{}};
      if (row == r.first_row) style.border(Side::kTop) = Border{line, Colour{}};
      if (row == r.last_row) style.border(Side::kBottom) = Border{line, Colour{}};
      book.set_cell_style(pos, book.styles().intern(style));
    }
  }
}

}  // namespace

void style_building_load_book(Book& book) {
  Sheet& sheet = book.sheet(0);
  sheet.set_column_width(0, 11);
  sheet.set_column_width(1, 13);
  for (int c = 2; c <= 10; ++c) sheet.set_column_width(c, 9);
  sheet.set_row_height(0, 18);

  restyle(book, "C1:K1", [](Style& s) {
    s.font.bold = true;
    s.horizontal = HAlign::kCenter;
    s.fill = Colour{0xC6D9F1};
  });
  restyle(book, "A2:A10", [](Style& s) { s.font.italic = true; });
  restyle(book, "A2:B10", [](Style& s) { s.fill = Colour{0xFFF2CC}; });
  restyle(book, "B2", [](Style& s) { s.font.bold = true; });
  restyle(book, "C2:C31", format("0"));
  restyle(book, "C2:C31", [](Style& s) { s.horizontal = HAlign::kCenter; });
  restyle(book, "D2:D31", format("#,##0"));
  restyle(book, "E2:G31", format("#,##0;[Red]-#,##0"));
  restyle(book, "H2:H31", format("#,##0"));
  restyle(book, "I2:K31", format("#,##0.0"));
  restyle(book, "B5", format("#,##0"));
  restyle(book, "B6:B7", format("0.00"));
  restyle(book, "A17:A31", format("#,##0"));
  restyle(book, "B12", format("0.000"));
  restyle(book, "B13", format("0.000"));
  restyle(book, "B14", format("#,##0"));
  restyle(book, "F32", format("#,##0.00"));
  restyle(book, "I32:K32", format("#,##0"));
  restyle(book, "F33", format("0.0"));
  restyle(book, "G33", format("#,##0"));
  restyle(book, "H33:J33", format("0.000"));
  restyle(book, "F33:J33", [](Style& s) {
    s.font.bold = true;
    s.font.colour = Colour{0x1F3864};
  });
  restyle(book, "F34:J34", [](Style& s) {
    s.horizontal = HAlign::kRight;
    s.font.size = 8;
  });
  box(book, "C1:K31", BorderLine::kThin);
  box(book, "C1:K1", BorderLine::kMedium);
  box(book, "A2:B10", BorderLine::kThin);
  box(book, "F33:J33", BorderLine::kDouble);
  book.touch();
}

}  // namespace pellavan::sheetshot
