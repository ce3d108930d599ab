#pragma once
// Cell fonts on a Qt device, sized so that a point of the sheet is 4/3 pixel at 100 % whatever
// the device's resolution, as the grid's rows and columns are.

#include <QFont>

#include "sheet/book.h"
#include "sheet_view/grid_geometry.h"

namespace pellavan::sheet::view {

// `scale`: device pixels per pixel at 100 %; `device_dpi`: the device's logical resolution.
QFont qt_font(const Font& font, double scale, int device_dpi);

// Column widths of this book: digits of its default font (that of style 0) at 100 %.
GridMetrics grid_metrics(const Book& book);

}  // namespace pellavan::sheet::view
