#include "sheet_view/render.h"

#include <QPainter>
#include <cmath>

#include "sheet_view/fonts.h"
#include "sheet_view/grid_geometry.h"
#include "sheet_view/view_state.h"

namespace pellavan::sheet::view {

RenderedBlock render_block(const Book& book, int sheet, const RangePos& block,
                           const RenderOptions& options) {
  const double scale = clamp_zoom(options.zoom) / 100.0;
  const GridGeometry geometry(book.sheet(sheet), block, grid_metrics(book), scale, true);
  RenderedBlock out;
  out.image =
      QImage(std::max(1, static_cast<int>(std::ceil(geometry.width()))),
             std::max(1, static_cast<int>(std::ceil(geometry.height()))), QImage::Format_RGB32);
  constexpr int kDotsPerMeter = 3780;  // 96 dots per inch
  out.image.setDotsPerMeterX(kDotsPerMeter);
  out.image.setDotsPerMeterY(kDotsPerMeter);
  out.image.fill(Qt::white);
  QPainter painter(&out.image);
  PaintOptions paint;
  paint.grid_lines = options.grid_lines;
  paint.black_and_white = options.black_and_white;
  BlockPainter painter_of_block(book, sheet, geometry, paint);
  painter_of_block.paint(painter, QRectF(0, 0, geometry.width(), geometry.height()));
  out.texts = painter_of_block.texts();
  return out;
}

}  // namespace pellavan::sheet::view
