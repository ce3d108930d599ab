// Painting of SheetView: the block through BlockPainter, then headings and the selected cell.
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "sheet_view/fonts.h"
#include "sheet_view/sheet_view.h"

namespace pellavan::sheet::view {

namespace {

const QColor kHeadingFill(0xE8, 0xE8, 0xE8);
const QColor kHeadingLine(0xA0, 0xA0, 0xA0);

}  // namespace

QSizeF SheetView::headings_at(double scale) const {
  if (!has(Feature::kHeadings)) return QSizeF(0, 0);
  const GridMetrics metrics = grid_metrics(*book_);
  const int digits =
      std::max(3, static_cast<int>(std::to_string(state().block.range(0).last_row + 1).size()));
  return QSizeF((digits * metrics.digit_width + 8) * scale,
                GridMetrics::row_pixels(book_->sheet(sheet_index()).default_row_height()) * scale);
}

QSize SheetView::headings() const {
  const QSizeF h = headings_at(scale());
  return QSize(static_cast<int>(std::ceil(h.width())), static_cast<int>(std::ceil(h.height())));
}

void SheetView::paintEvent(QPaintEvent* event) {
  const GridGeometry& g = geometry();
  QPainter p(viewport());
  const QSize h = headings();
  const QRect content(h.width(), h.height(), std::max(0, viewport()->width() - h.width()),
                      std::max(0, viewport()->height() - h.height()));
  const QPoint origin = block_origin();
  drawn_.clear();
  p.save();
  p.setClipRect(content.intersected(event->rect()));
  p.translate(origin);
  PaintOptions options;
  options.grid_lines = has(Feature::kGrid);
  // Texts fit into the block's width: beyond it the view shows no page to write on.
  const QRectF shown = QRectF(content).translated(-origin);
  options.text_room = QRectF(QPointF(0.0, shown.top()), QPointF(g.width(), shown.bottom()));
  BlockPainter block(*book_, sheet_index(), g, options, &pictures_);
  block.paint(p, QRectF(event->rect().intersected(content)).translated(-origin));
  if (has(Feature::kSelection)) paint_selection(p, g);
  p.restore();
  for (DrawnText t : block.texts()) {
    t.rect.translate(origin);
    drawn_.push_back(std::move(t));
  }
  if (has(Feature::kHeadings)) paint_headings(p, g, content);
}

void SheetView::paint_selection(QPainter& p, const GridGeometry& g) {
  const SheetViewState& s = state();
  if (!g.row_shown(s.current_row) || !g.col_shown(s.current_col)) return;
  const QRectF cell(QPointF(g.col_left(s.current_col), g.row_top(s.current_row)),
                    QPointF(g.col_right(s.current_col), g.row_bottom(s.current_row)));
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(cell.adjusted(0, 0, -1, -1));
}

void SheetView::paint_headings(QPainter& p, const GridGeometry& g, const QRect& content) {
  const QSize h = headings();
  const QPoint origin = block_origin();
  const RangePos& b = g.block();
  const SheetViewState& s = state();
  p.setFont(qt_font(book_->styles().get(0).font, scale(), p.device()->logicalDpiY()));
  p.fillRect(QRect(0, 0, viewport()->width(), h.height()), kHeadingFill);
  p.fillRect(QRect(0, 0, h.width(), viewport()->height()), kHeadingFill);
  auto highlight = [&](bool current) {
    p.setPen(current && has(Feature::kSelection) ? Qt::black : QColor(0x40, 0x40, 0x40));
  };

  p.save();
  p.setClipRect(QRect(content.left(), 0, content.width(), h.height()));
  for (int c = g.col_at(s.scroll_x); c <= b.last_col; ++c) {
    const double left = origin.x() + g.col_left(c), right = origin.x() + g.col_right(c);
    if (left > content.right()) break;
    if (right <= left) continue;
    const QRectF cell(QPointF(left, 0), QPointF(right, h.height()));
    highlight(c == s.current_col);
    p.drawText(cell, Qt::AlignCenter, QString::fromStdString(column_name(c)));
    p.fillRect(QRectF(right - 1, 0, 1, h.height()), kHeadingLine);
  }
  p.restore();

  p.save();
  p.setClipRect(QRect(0, content.top(), h.width(), content.height()));
  for (int r = g.row_at(s.scroll_y); r <= b.last_row; ++r) {
    const double top = origin.y() + g.row_top(r), bottom = origin.y() + g.row_bottom(r);
    if (top > content.bottom()) break;
    if (bottom <= top) continue;
    const QRectF cell(QPointF(0, top), QPointF(h.width(), bottom));
    highlight(r == s.current_row);
    p.drawText(cell, Qt::AlignCenter, QString::number(r + 1));
    p.fillRect(QRectF(0, bottom - 1, h.width(), 1), kHeadingLine);
  }
  p.restore();
  p.fillRect(QRect(h.width() - 1, 0, 1, viewport()->height()), kHeadingLine);
  p.fillRect(QRect(0, h.height() - 1, viewport()->width(), 1), kHeadingLine);
}

}  // namespace pellavan::sheet::view
