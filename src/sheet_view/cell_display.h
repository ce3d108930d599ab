#pragma once
// What a cell shows: its value in its display format, on which side of the cell, and in red when
// the format says so. Plain C++: the painters draw it, tests read it.

#include <string>

#include "sheet/book.h"

namespace pellavan::sheet::view {

enum class ShownKind : std::uint8_t { kNothing, kNumber, kText, kOther };  // other: boolean, error

struct CellDisplay {
  ShownKind kind = ShownKind::kNothing;
  std::string text;
  HAlign align =
      HAlign::kLeft;  // never kGeneral: numbers right, texts left, booleans and errors centred
  bool red = false;
  bool general = false;  // a number in the General format, which may shorten to fit its column
  double number = 0.0;
};

CellDisplay display_of(const Book& book, CellPos pos);

// What a number in the General format shows in a column `chars` digits wide: fewer decimals or an
// exponent form when the full text does not fit, "" when not even that fits.
std::string general_in_width(double value, int chars);

}  // namespace pellavan::sheet::view
