#pragma once
// A block of a sheet drawn into an image, as a view shows it without its furniture: for tests,
// screenshots and tools.

#include <QImage>
#include <vector>

#include "sheet/book.h"
#include "sheet_view/block_painter.h"

namespace pellavan::sheet::view {

struct RenderOptions {
  int zoom = 100;  // percent, taken into 25 to 200
  bool grid_lines = false;
  bool black_and_white = false;
};

struct RenderedBlock {
  QImage image;  // 96 dots per inch, white where nothing is drawn
  std::vector<DrawnText> texts;
};

RenderedBlock render_block(const Book& book, int sheet, const RangePos& block,
                           const RenderOptions& options = {});

}  // namespace pellavan::sheet::view
