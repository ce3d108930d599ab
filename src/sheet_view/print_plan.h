#pragma once
// How a print area lies on paper: the scale it prints at and the pages it takes. Plain C++.

#include <vector>

#include "sheet/address.h"
#include "sheet/book.h"
#include "sheet/sheet.h"
#include "sheet_view/grid_geometry.h"
#include "sheet_view/view_state.h"

namespace pellavan::sheet::view {

inline constexpr double kMinPrintScale = 0.1;  // spreadsheets print at 10 % to 400 %
inline constexpr double kMaxPrintScale = 4.0;

struct PrintPlan {
  double scale = 1.0;           // of the area's size at 100 %
  std::vector<RangePos> pages;  // the part of the area on each page: down, then across
};

// The area to print: the print area set, else the sheet's used range, else A1.
RangePos print_area_of(const Book& book, int sheet, const PrintSettings& settings);

// `page_width` and `page_height`: the room inside the margins in pixels at 96 per inch. Fitting
// shrinks to the pages asked for but never enlarges beyond the scale; parts that still do not
// fit go on further pages.
PrintPlan plan_print(const Sheet& sheet, const RangePos& area, const GridMetrics& metrics,
                     const PrintSettings& settings, double page_width, double page_height);

}  // namespace pellavan::sheet::view
