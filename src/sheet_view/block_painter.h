#pragma once
// Paints a block of a sheet onto a QPainter: cell fills, grid lines, texts in their formats and
// fonts, borders and the sheet's pictures. The screen view, rendered images and printed pages all
// go through here. The painter's origin is the block's top-left corner.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

#include "sheet/book.h"
#include "sheet_view/grid_geometry.h"

namespace pellavan::sheet::view {

class PictureCache;

struct PaintOptions {
  bool whole_pixels = true;  // lines on whole device pixels (screens and images)
  bool grid_lines = false;
  bool black_and_white = false;  // black texts and lines, no fills, grey pictures
  double line_scale = 1.0;       // device pixels per pixel of a line at 100 %
  // Where texts may reach, in painter coordinates (a printed page, a window's view): a text
  // wider than the room its row leaves it there is fitted into that room (platform::fit_text)
  // instead of being cut. Unset: a text spills along its row as far as it needs.
  std::optional<QRectF> text_room;
};

// A text as it was painted, for tests and tools that look at what a view shows.
struct DrawnText {
  CellPos cell;
  QRectF rect;  // the cell, or the cells its text spilled over
  QString text;
  QColor colour;
};

class BlockPainter {
 public:
  BlockPainter(const Book& book, int sheet, const GridGeometry& geometry, PaintOptions options,
               PictureCache* pictures = nullptr);

  // Paints what lies in `exposed`, in painter coordinates: the block's cells, and beside the
  // block the texts that spill past its edges.
  void paint(QPainter& painter, const QRectF& exposed);
  const std::vector<DrawnText>& texts() const { return texts_; }

 private:
  struct Visible {
    int first_row, last_row, first_col, last_col;
  };
  struct Placed {
    CellPos cell;
    QRectF rect;
    int first_col, last_col;  // the columns it covers
    QString text;
    int flags;
    QFont font;
    QColor colour;
  };
  struct FontInfo {
    QFont font;
    double digit = 0.0;  // widths of "0" and "#"
    double hash = 0.0;
  };

  QRectF cell_rect(int row, int col) const;
  const FontInfo& font_of(CellPos pos);
  void place_texts(const Visible& v, const QRectF& exposed);
  void place_one(CellPos pos, const QRectF& exposed);
  // A column outside the block, as wide as the block's own columns are drawn.
  double width_beyond(int col) const;
  void paint_fills(QPainter& p, const Visible& v);
  void paint_grid(QPainter& p, const Visible& v);
  void paint_texts(QPainter& p);
  void paint_borders(QPainter& p, const Visible& v);
  void paint_pictures(QPainter& p, const QRectF& exposed);
  void vertical_line(QPainter& p, double x, double top, double bottom, double width,
                     const QColor& c);
  void horizontal_line(QPainter& p, double y, double left, double right, double width,
                       const QColor& c);

  const Book& book_;
  int sheet_;
  const GridGeometry& geometry_;
  PaintOptions options_;
  PictureCache* pictures_;
  QPaintDevice* device_ = nullptr;
  int dpi_ = 96;
  double padding_ = 2.0;
  std::unordered_map<StyleId, FontInfo> fonts_;
  std::vector<Placed> placed_;
  std::vector<DrawnText> texts_;
};

}  // namespace pellavan::sheet::view
