#pragma once
// The texts of a chart in one font: their widths, kept across charts (laying a text out costs
// far more than drawing it, and most texts come back in every chart), and a single-line text
// drawn in a box as QPainter::drawText(box, flags, text) draws it, without laying it out again.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <unordered_map>

namespace pellavan::reports {

class ChartText {
 public:
  explicit ChartText(const QFont& font);

  const QFont& font() const { return font_; }
  double width(const QString& text) const;  // the advance of the text on one line
  double height() const { return height_; }

  // The text at the place the painter's own layout gives it in `box` (alignment flags only), in
  // the painter's font, which must be this one; a text that lays out otherwise than on one plain
  // line, or that would be clipped to the box, goes through that layout.
  void draw(QPainter& painter, const QRectF& box, int flags, const QString& text) const;

 private:
  QFont font_;
  double height_;
  int ascent_;                                   // in 64ths of a unit, as the layout keeps it
  std::unordered_map<QString, double>& widths_;  // of this font, shared by every chart
};

}  // namespace pellavan::reports
