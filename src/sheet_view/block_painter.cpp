#include "sheet_view/block_painter.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/text_fit.h"
#include "sheet_view/cell_display.h"
#include "sheet_view/fonts.h"
#include "sheet_view/picture_cache.h"

namespace pellavan::sheet::view {

namespace {

const QColor kGridColour(0xC0, 0xC0, 0xC0);

QColor qt_colour(Colour c) { return QColor::fromRgb(static_cast<QRgb>(c.rgb)); }

double line_units(BorderLine line) {
  switch (line) {
    case BorderLine::kThin: return 1.0;
    case BorderLine::kMedium: return 2.0;
    case BorderLine::kThick: return 3.0;
    case BorderLine::kDouble: return 1.0;  // each of its two lines
    default: return 0.0;
  }
}

int alignment_flags(HAlign h, VAlign v, bool wrap) {
  int flags = wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
  flags |= h == HAlign::kRight    ? Qt::AlignRight
           : h == HAlign::kCenter ? Qt::AlignHCenter
                                  : Qt::AlignLeft;
  flags |= v == VAlign::kTop      ? Qt::AlignTop
           : v == VAlign::kCenter ? Qt::AlignVCenter
                                  : Qt::AlignBottom;
  return flags;
}

}  // namespace

BlockPainter::BlockPainter(const Book& book, int sheet, const GridGeometry& geometry,
                           PaintOptions options, PictureCache* pictures)
    : book_(book),
      sheet_(sheet),
      geometry_(geometry),
      options_(options),
      pictures_(pictures),
      padding_(2.0 * geometry.scale()) {}

QRectF BlockPainter::cell_rect(int row, int col) const {
  return QRectF(QPointF(geometry_.col_left(col), geometry_.row_top(row)),
                QPointF(geometry_.col_right(col), geometry_.row_bottom(row)));
}

const BlockPainter::FontInfo& BlockPainter::font_of(CellPos pos) {
  const StyleId id = book_.cell_style(pos);
  auto it = fonts_.find(id);
  if (it == fonts_.end()) {
    FontInfo info{qt_font(book_.styles().get(id).font, geometry_.scale(), dpi_)};
    const QFontMetricsF metrics(info.font, device_);
    info.digit = metrics.horizontalAdvance(QChar('0'));
    info.hash = metrics.horizontalAdvance(QChar('#'));
    it = fonts_.emplace(id, std::move(info)).first;
  }
  return it->second;
}

void BlockPainter::paint(QPainter& p, const QRectF& exposed) {
  texts_.clear();
  placed_.clear();
  const QRectF block(0, 0, geometry_.width(), geometry_.height());
  // Beside the block only the texts that spill past its edges are drawn.
  const bool beside = exposed.top() < block.bottom() && exposed.bottom() > block.top();
  const QRectF area = exposed.intersected(block);
  if (area.isEmpty() && !beside) return;
  device_ = p.device();
  const int dpi = device_ ? device_->logicalDpiY() : 96;
  if (dpi != dpi_) fonts_.clear();
  dpi_ = dpi;
  constexpr double kInside = 1e-6;
  const double top = std::max(exposed.top(), block.top());
  const double bottom = std::min(exposed.bottom(), block.bottom());
  p.save();
  p.setRenderHint(QPainter::Antialiasing, !options_.whole_pixels);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  if (area.isEmpty()) {
    const Visible rows{geometry_.row_at(top), geometry_.row_at(bottom - kInside), 0, -1};
    place_texts(rows, exposed);
    paint_texts(p);
    p.restore();
    return;
  }
  const Visible v{geometry_.row_at(area.top()), geometry_.row_at(area.bottom() - kInside),
                  geometry_.col_at(area.left()), geometry_.col_at(area.right() - kInside)};
  p.fillRect(area, Qt::white);
  place_texts(v, exposed);
  paint_fills(p, v);
  if (options_.grid_lines) paint_grid(p, v);
  paint_texts(p);
  paint_borders(p, v);
  paint_pictures(p, area);
  p.restore();
}

// Texts first, as where they spill decides where grid lines are left out.
void BlockPainter::place_texts(const Visible& v, const QRectF& exposed) {
  const RangePos& b = geometry_.block();
  for (int r = v.first_row; r <= v.last_row; ++r) {
    if (!geometry_.row_shown(r)) continue;
    // Cells outside the exposed columns may spill into them.
    for (int c = b.first_col; c <= b.last_col; ++c) {
      if (geometry_.col_shown(c)) place_one(CellPos{sheet_, r, c}, exposed);
    }
  }
}

void BlockPainter::place_one(CellPos pos, const QRectF& exposed) {
  if (book_.cell_kind(pos) == CellKind::kEmpty) return;
  const CellDisplay shown = display_of(book_, pos);
  if (shown.kind == ShownKind::kNothing || shown.text.empty()) return;
  const Style& style = book_.style_of(pos);
  const FontInfo& font = font_of(pos);
  const QFontMetricsF metrics(font.font, device_);
  QRectF rect = cell_rect(pos.row, pos.col);
  const double room = rect.width() - 2 * padding_;
  QString text = QString::fromStdString(shown.text);
  const double width = metrics.horizontalAdvance(text);
  int first = pos.col, last = pos.col;
  const RangePos& b = geometry_.block();
  // A text spills over cells that show nothing: empty ones, and formulas whose value is the
  // empty text (a label a page leaves out).
  auto empty_at = [&](int c) {
    const CellPos at{sheet_, pos.row, c};
    if (book_.cell_kind(at) == CellKind::kEmpty) return true;
    const CellDisplay next = display_of(book_, at);
    return next.kind == ShownKind::kNothing || (next.kind == ShownKind::kText && next.text.empty());
  };

  if (shown.kind != ShownKind::kText && width > room) {
    // Numbers never spill: a General number shortens, anything else shows as "#" marks.
    text.clear();
    if (shown.kind == ShownKind::kNumber && shown.general && font.digit > 0.0) {
      text = QString::fromStdString(
          general_in_width(shown.number, static_cast<int>(std::floor(room / font.digit))));
      if (metrics.horizontalAdvance(text) > room) text.clear();
    }
    if (text.isEmpty()) {
      const int marks = font.hash > 0.0 ? static_cast<int>(std::floor(room / font.hash)) : 1;
      text = QString(std::max(marks, 1), QChar('#'));
    }
  } else if (shown.kind == ShownKind::kText && !style.wrap && width > room) {
    const double needed = width + 2 * padding_;
    // Past the block's edge the sheet's own columns go on: the text spills on over their empty
    // cells (a page header's title into the margin), though no grid line of the block moves.
    if (shown.align == HAlign::kLeft) {
      while (rect.width() < needed && last < b.last_col && empty_at(last + 1))
        rect.setRight(geometry_.col_right(++last));
      for (int c = b.last_col + 1; last == b.last_col && rect.width() < needed; ++c) {
        if (c >= kMaxCols || !empty_at(c)) break;
        rect.setRight(rect.right() + width_beyond(c));
      }
    } else if (shown.align == HAlign::kRight) {
      while (rect.width() < needed && first > b.first_col && empty_at(first - 1))
        rect.setLeft(geometry_.col_left(--first));
      for (int c = b.first_col - 1; first == b.first_col && rect.width() < needed; --c) {
        if (c < 0 || !empty_at(c)) break;
        rect.setLeft(rect.left() - width_beyond(c));
      }
    } else {
      const double centre = rect.center().x();
      bool grew = true;
      while (grew && (centre - geometry_.col_left(first)) * 2 < needed) {
        grew = first > b.first_col && empty_at(first - 1);
        if (grew) --first;
      }
      grew = true;
      while (grew && (geometry_.col_right(last) - centre) * 2 < needed) {
        grew = last < b.last_col && empty_at(last + 1);
        if (grew) ++last;
      }
      const double half = std::min(
          {needed / 2, centre - geometry_.col_left(first), geometry_.col_right(last) - centre});
      rect.setLeft(centre - half);
      rect.setRight(centre + half);
    }
  }
  QFont face = font.font;
  bool wrap = style.wrap;
  if (shown.kind == ShownKind::kText && !style.wrap) {
    // A text keeps to its own cell and what it spills over: one the room's edge stops is
    // fitted there as one its neighbour stops (a text meant to end at the page's right edge is
    // right-aligned in its sheet).
    if (options_.text_room) {
      rect.setLeft(std::max(rect.left(), options_.text_room->left()));
      rect.setRight(std::max(rect.left(), std::min(rect.right(), options_.text_room->right())));
    }
    platform::FittedText fitted =
        platform::fit_text(text, face, QSizeF(rect.width() - 2 * padding_, rect.height()), device_);
    face = fitted.font;
    text = std::move(fitted.text);
    wrap = fitted.wrapped;
  }
  if (rect.right() <= exposed.left() || rect.left() >= exposed.right()) return;

  QColor colour = qt_colour(style.font.colour);
  if (options_.black_and_white) {
    colour = Qt::black;
  } else if (shown.red) {
    colour = QColor(0xFF, 0, 0);
  }
  placed_.push_back(Placed{pos, rect, first, last, text,
                           alignment_flags(shown.align, style.vertical, wrap), face, colour});
}

double BlockPainter::width_beyond(int col) const {
  const Sheet& sheet = book_.sheet(sheet_);
  if (sheet.column_hidden(col)) return 0.0;
  const double width =
      grid_metrics(book_).column_pixels(sheet.column_width(col)) * geometry_.scale();
  return options_.whole_pixels ? std::round(width) : width;
}

void BlockPainter::paint_fills(QPainter& p, const Visible& v) {
  if (options_.black_and_white) return;
  for (int r = v.first_row; r <= v.last_row; ++r) {
    for (int c = v.first_col; c <= v.last_col; ++c) {
      const auto& fill = book_.style_of(CellPos{sheet_, r, c}).fill;
      if (fill && geometry_.row_shown(r) && geometry_.col_shown(c))
        p.fillRect(cell_rect(r, c), qt_colour(*fill));
    }
  }
}

// No vertical line crosses a text that spills over its neighbours.
void BlockPainter::paint_grid(QPainter& p, const Visible& v) {
  const double w = options_.whole_pixels ? 1.0 : options_.line_scale;
  const double left = geometry_.col_left(v.first_col), right = geometry_.col_right(v.last_col);
  std::vector<bool> under_text(static_cast<std::size_t>(v.last_col - v.first_col + 1));
  auto text = placed_.begin();  // placed row by row
  for (int r = v.first_row; r <= v.last_row; ++r) {
    if (!geometry_.row_shown(r)) continue;
    horizontal_line(p, geometry_.row_bottom(r), left, right, w, kGridColour);
    std::fill(under_text.begin(), under_text.end(), false);
    for (; text != placed_.end() && text->cell.row <= r; ++text) {
      if (text->cell.row < r) continue;
      for (int c = std::max(text->first_col, v.first_col);
           c < std::min(text->last_col, v.last_col + 1); ++c) {
        under_text[static_cast<std::size_t>(c - v.first_col)] = true;
      }
    }
    for (int c = v.first_col; c <= v.last_col; ++c) {
      if (!geometry_.col_shown(c) || under_text[static_cast<std::size_t>(c - v.first_col)])
        continue;
      vertical_line(p, geometry_.col_right(c), geometry_.row_top(r), geometry_.row_bottom(r), w,
                    kGridColour);
    }
  }
}

void BlockPainter::paint_texts(QPainter& p) {
  for (const Placed& t : placed_) {
    // Bottom-aligned texts sit just above the cell's bottom edge, where its grid line lies.
    const double lift = t.flags & Qt::AlignBottom ? std::min(1.0, geometry_.scale()) : 0.0;
    const QRectF text_rect = t.rect.adjusted(padding_, 0, -padding_, -lift);
    p.save();
    p.setClipRect(t.rect, Qt::IntersectClip);
    p.setFont(t.font);
    p.setPen(t.colour);
    p.drawText(text_rect, t.flags, t.text);
    p.restore();
    texts_.push_back(DrawnText{t.cell, t.rect, t.text, t.colour});
  }
}

void BlockPainter::paint_borders(QPainter& p, const Visible& v) {
  for (int r = v.first_row; r <= v.last_row; ++r) {
    if (!geometry_.row_shown(r)) continue;
    for (int c = v.first_col; c <= v.last_col; ++c) {
      if (!geometry_.col_shown(c)) continue;
      const Style& style = book_.style_of(CellPos{sheet_, r, c});
      const QRectF cell = cell_rect(r, c);
      for (const Side side : {Side::kLeft, Side::kRight, Side::kTop, Side::kBottom}) {
        const Border& border = style.border(side);
        if (border.line == BorderLine::kNone) continue;
        double w = line_units(border.line) * options_.line_scale;
        if (options_.whole_pixels) w = std::max(1.0, std::round(w));
        const QColor colour =
            options_.black_and_white ? QColor(Qt::black) : qt_colour(border.colour);
        const bool vertical = side == Side::kLeft || side == Side::kRight;
        const double at = side == Side::kLeft    ? cell.left()
                          : side == Side::kRight ? cell.right()
                          : side == Side::kTop   ? cell.top()
                                                 : cell.bottom();
        // A double line is two lines with a line's width between them.
        const int lines = border.line == BorderLine::kDouble ? 2 : 1;
        for (int k = 0; k < lines; ++k) {
          const double offset = lines == 1 ? 0.0 : (k == 0 ? -w : w);
          if (vertical) {
            vertical_line(p, at + offset, cell.top(), cell.bottom(), w, colour);
          } else {
            horizontal_line(p, at + offset, cell.left(), cell.right(), w, colour);
          }
        }
      }
    }
  }
}

// A line along an edge: on whole pixels it takes the pixels just before the edge (the last ones
// of the cell before it), widening to both sides.
void BlockPainter::vertical_line(QPainter& p, double x, double top, double bottom, double width,
                                 const QColor& c) {
  const double before = options_.whole_pixels ? std::ceil(width / 2) : width / 2;
  p.fillRect(QRectF(x - before, top - before, width, bottom - top + width), c);
}

void BlockPainter::horizontal_line(QPainter& p, double y, double left, double right, double width,
                                   const QColor& c) {
  const double before = options_.whole_pixels ? std::ceil(width / 2) : width / 2;
  p.fillRect(QRectF(left - before, y - before, right - left + width, width), c);
}

void BlockPainter::paint_pictures(QPainter& p, const QRectF& exposed) {
  for (const Picture& picture : book_.sheet(sheet_).pictures()) {
    const QRectF target(
        QPointF(geometry_.x_of(picture.top_left.col), geometry_.y_of(picture.top_left.row)),
        QPointF(geometry_.x_of(picture.bottom_right.col),
                geometry_.y_of(picture.bottom_right.row)));
    const QRectF shown = target.normalized();
    if (shown.isEmpty() || !shown.intersects(exposed)) continue;
    draw_picture(p, shown, picture, options_.black_and_white, pictures_);
  }
}

}  // namespace pellavan::sheet::view
