#include "sheet_view/grid_geometry.h"

#include <algorithm>
#include <cmath>

namespace pellavan::sheet::view {

namespace {

template <class SizeOf>
std::vector<double> edges(int first, int last, double scale, bool whole_pixels, SizeOf&& size_of) {
  std::vector<double> e;
  e.reserve(static_cast<std::size_t>(last - first + 2));
  e.push_back(0.0);
  for (int i = first; i <= last; ++i) {
    const double size = size_of(i) * scale;
    e.push_back(e.back() + (whole_pixels ? std::round(size) : size));
  }
  return e;
}

}  // namespace

GridGeometry::GridGeometry(const Sheet& sheet, const RangePos& block, const GridMetrics& metrics,
                           double scale, bool whole_pixels)
    : block_(block), scale_(scale) {
  col_edges_ = edges(block.first_col, block.last_col, scale, whole_pixels, [&](int c) {
    return sheet.column_hidden(c) ? 0.0 : metrics.column_pixels(sheet.column_width(c));
  });
  row_edges_ = edges(block.first_row, block.last_row, scale, whole_pixels, [&](int r) {
    return sheet.row_hidden(r) ? 0.0 : GridMetrics::row_pixels(sheet.row_height(r));
  });
}

int GridGeometry::shown_at(const std::vector<double>& e, int first, double at) {
  const int count = static_cast<int>(e.size()) - 1;
  int i = static_cast<int>(std::upper_bound(e.begin(), e.end(), at) - e.begin()) - 1;
  i = std::clamp(i, 0, count - 1);
  // Hidden ones have no width: move on to the next shown one, or back to the last.
  int j = i;
  while (j < count - 1 && e[j + 1] <= e[j]) ++j;
  if (e[j + 1] <= e[j]) {
    j = i;
    while (j > 0 && e[j + 1] <= e[j]) --j;
  }
  return first + j;
}

int GridGeometry::col_at(double x) const { return shown_at(col_edges_, block_.first_col, x); }
int GridGeometry::row_at(double y) const { return shown_at(row_edges_, block_.first_row, y); }

double GridGeometry::position(const std::vector<double>& e, int first, double grid) {
  const double offset = grid - first;
  const int count = static_cast<int>(e.size()) - 1;
  if (!(offset > 0.0)) return e.front();  // NaN too
  if (offset >= count) return e.back();
  const int whole = static_cast<int>(offset);
  return e[whole] + (offset - whole) * (e[whole + 1] - e[whole]);
}

}  // namespace pellavan::sheet::view
