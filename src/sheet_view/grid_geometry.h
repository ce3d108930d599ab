#pragma once
// Where the columns and rows of a block lie on a device. Column widths are held in characters of
// the book's default font and row heights in points; at 100 % a column is as many digit widths
// wide plus a small padding, and a point is 4/3 of a pixel (96 pixels to the inch). Hidden
// columns and rows take no room.

#include <vector>

#include "sheet/address.h"
#include "sheet/sheet.h"

namespace pellavan::sheet::view {

struct GridMetrics {
  double digit_width = 7.0;  // pixels of one digit of the default font at 100 %
  static constexpr double kColumnPadding = 5.0;
  static constexpr double kPixelsPerPoint = 96.0 / 72.0;

  double column_pixels(double chars) const {
    return chars <= 0.0 ? 0.0 : chars * digit_width + kColumnPadding;
  }
  static double row_pixels(double points) { return points <= 0.0 ? 0.0 : points * kPixelsPerPoint; }
};

class GridGeometry {
 public:
  // `scale`: device pixels per pixel at 100 % (the zoom on a screen). With `whole_pixels` every
  // column and row is rounded to whole device pixels, as a screen wants them.
  GridGeometry(const Sheet& sheet, const RangePos& block, const GridMetrics& metrics, double scale,
               bool whole_pixels);

  const RangePos& block() const { return block_; }
  double scale() const { return scale_; }
  double width() const { return col_edges_.back(); }
  double height() const { return row_edges_.back(); }

  // Edges of a column or row of the block (0-based sheet numbers), from the block's top-left.
  double col_left(int col) const { return col_edges_[index(col, block_.first_col)]; }
  double col_right(int col) const { return col_edges_[index(col, block_.first_col) + 1]; }
  double row_top(int row) const { return row_edges_[index(row, block_.first_row)]; }
  double row_bottom(int row) const { return row_edges_[index(row, block_.first_row) + 1]; }
  bool col_shown(int col) const { return col_right(col) > col_left(col); }
  bool row_shown(int row) const { return row_bottom(row) > row_top(row); }

  // The shown column (row) whose span holds x (y); the first or last one for a point outside.
  int col_at(double x) const;
  int row_at(double y) const;

  // A point over the grid in cell units (whole part a 0-based column or row, fraction the part of
  // that cell), clamped to the block.
  double x_of(double grid_col) const { return position(col_edges_, block_.first_col, grid_col); }
  double y_of(double grid_row) const { return position(row_edges_, block_.first_row, grid_row); }

 private:
  static std::size_t index(int n, int first) { return static_cast<std::size_t>(n - first); }
  static int shown_at(const std::vector<double>& edges, int first, double at);
  static double position(const std::vector<double>& edges, int first, double grid);

  RangePos block_;
  double scale_;
  std::vector<double> col_edges_;  // block columns + 1 edges, the first at 0
  std::vector<double> row_edges_;
};

}  // namespace pellavan::sheet::view
