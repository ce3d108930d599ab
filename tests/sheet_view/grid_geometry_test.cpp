#include <gtest/gtest.h>

#include "sheet_view/grid_geometry.h"

namespace pellavan::sheet::view {
namespace {

class GridGeometryTest : public ::testing::Test {
 protected:
  GridGeometryTest() : sheet("main") {
    sheet.set_column_width(1, 10.0);   // B: 10 digits of 7 pixels and the padding, 75 pixels
    sheet.set_column_hidden(2, true);  // C
    sheet.set_row_height(1, 30.0);     // row 2: 40 pixels
    sheet.set_row_hidden(2, true);     // row 3
  }
  GridGeometry at(double scale, bool whole = true) const {
    return GridGeometry(sheet, RangePos{0, 0, 0, 9, 4}, metrics, scale, whole);  // A1:E10
  }
  Sheet sheet;
  GridMetrics metrics;  // 7-pixel digits
};

TEST_F(GridGeometryTest, ColumnsAndRowsTakeTheirSizesAndHiddenOnesNone) {
  const GridGeometry g = at(1.0);
  EXPECT_DOUBLE_EQ(g.col_left(1), 64.0);  // the default 8.43 characters round to 64 pixels
  EXPECT_DOUBLE_EQ(g.col_right(1), 139.0);
  EXPECT_FALSE(g.col_shown(2));
  EXPECT_DOUBLE_EQ(g.col_left(3), g.col_right(1));
  EXPECT_DOUBLE_EQ(g.row_top(1), 17.0);
  EXPECT_DOUBLE_EQ(g.row_bottom(1), 57.0);
  EXPECT_FALSE(g.row_shown(2));
  EXPECT_DOUBLE_EQ(g.width(), 64 * 3 + 75);  // A, B, D, E
  EXPECT_DOUBLE_EQ(g.height(), 17 * 8 + 40);
}

TEST_F(GridGeometryTest, ZoomScalesWholePixelsAndPaperKeepsFractions) {
  EXPECT_DOUBLE_EQ(at(2.0).col_right(1), 278.0);
  EXPECT_DOUBLE_EQ(at(0.25).col_right(0), 16.0);
  EXPECT_NEAR(at(0.85, false).col_right(0), 64.01 * 0.85, 1e-9);  // 8.43 * 7 + 5
}

TEST_F(GridGeometryTest, PointsFindTheShownCellUnderThem) {
  struct Row {
    const char* name;
    double x;
    int col;
  };
  const Row rows[] = {
      {"first column", 10, 0},     {"second column", 64, 1},     {"edge of the hidden one", 139, 3},
      {"before the block", -5, 0}, {"beyond the block", 1e6, 4},
  };
  const GridGeometry g = at(1.0);
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(g.col_at(r.x), r.col);
  }
  EXPECT_EQ(g.row_at(17 + 40 + 1), 3);  // past row 2, over the hidden row 3
}

TEST_F(GridGeometryTest, GridPointsCountFromTheLeftEdgeOfAColumn) {
  const GridGeometry g = at(1.0);
  EXPECT_DOUBLE_EQ(g.x_of(1.0), 64.0);
  EXPECT_DOUBLE_EQ(g.x_of(1.5), 64.0 + 37.5);
  EXPECT_DOUBLE_EQ(g.y_of(1.25), 17.0 + 10.0);
  EXPECT_DOUBLE_EQ(g.x_of(-3.0), 0.0);
  EXPECT_DOUBLE_EQ(g.x_of(99.0), g.width());
}

}  // namespace
}  // namespace pellavan::sheet::view
