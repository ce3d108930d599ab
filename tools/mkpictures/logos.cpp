// The program's logos: an earth-and-leaf mark beside the name "Pellavan".

#include <QLinearGradient>
#include <QPainterPath>

#include "mkpictures/drawings.h"
#include "mkpictures/picture_kit.h"

namespace pellavan::mkpictures {
namespace {

// A circle of earth and sky with a leaf rising from it.
void mark(QPainter& p, const QPointF& centre, double radius) {
  p.save();
  p.setPen(QPen(colour::kBrand, radius * 0.08));
  p.setBrush(colour::kSky);
  p.drawEllipse(centre, radius, radius);
  QPainterPath lower;
  lower.addEllipse(centre, radius, radius);
  QPainterPath band;
  band.addRect(QRectF(centre.x() - radius, centre.y() + radius * 0.1, 2 * radius, radius));
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kEarth);
  p.drawPath(lower.intersected(band));
  QPainterPath leaf;
  leaf.moveTo(centre.x(), centre.y() + radius * 0.1);
  leaf.cubicTo(centre.x() - radius * 0.7, centre.y() - radius * 0.1, centre.x() - radius * 0.3,
               centre.y() - radius * 0.8, centre.x() + radius * 0.45, centre.y() - radius * 0.75);
  leaf.cubicTo(centre.x() + radius * 0.4, centre.y() - radius * 0.2, centre.x() + radius * 0.2,
               centre.y(), centre.x(), centre.y() + radius * 0.1);
  p.setBrush(colour::kLeaf);
  p.drawPath(leaf);
  p.setPen(QPen(colour::kCold, radius * 0.07, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(
      QRectF(centre.x() - radius * 0.55, centre.y() + radius * 0.25, radius * 1.1, radius * 0.6),
      180 * 16, 180 * 16);
  p.restore();
}

}  // namespace

void startup_logo(QPainter& p, const QSizeF& size) {
  QLinearGradient sky(QPointF(0, 0), QPointF(0, size.height()));
  sky.setColorAt(0, QColor(238, 245, 252));
  sky.setColorAt(1, QColor(200, 222, 240));
  p.fillRect(QRectF(QPointF(0, 0), size), sky);
  mark(p, QPointF(size.width() / 2, size.height() * 0.33), size.height() * 0.2);
  caption(p, QRectF(0, size.height() * 0.55, size.width(), 60), "Pellavan", 48, true,
          colour::kBrand);
  caption(p, QRectF(0, size.height() * 0.74, size.width(), 24),
          "Heating and Cooling System Comparison", 17, false, colour::kInk);
  caption(p, QRectF(0, size.height() * 0.84, size.width(), 24),
          "Geothermal  \u2022  Air-Source  \u2022  Furnace", 14, false, colour::kLeaf);
  p.setPen(QPen(colour::kBrand, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(2, 2, size.width() - 4, size.height() - 4));
}

void banner_logo(QPainter& p, const QSizeF& size, const QColor& background) {
  p.fillRect(QRectF(QPointF(0, 0), size), background);
  mark(p, QPointF(size.height() / 2 + 4, size.height() / 2), size.height() * 0.38);
  caption(p, QRectF(size.height() + 4, 4, size.width() - size.height() - 8, size.height() * 0.62),
          "Pellavan", 34, true, colour::kBrand);
  caption(p,
          QRectF(size.height() + 4, size.height() * 0.6, size.width() - size.height() - 8,
                 size.height() * 0.36),
          "System Comparison", 13, false, colour::kLeaf);
}

void system_logo(QPainter& p, const QSizeF& size) {
  const double surface = size.height() * 0.62;
  ground(p, QRectF(QPointF(0, 0), size), surface);
  house(p, QPointF(size.width() * 0.3, surface), size.width() * 0.28);
  for (int i = 0; i < 3; ++i) {
    const double x = size.width() * (0.55 + 0.12 * i);
    tube(p, QPointF(x, surface), QPointF(x, size.height() - 10), colour::kCold, 3);
    tube(p, QPointF(x + 8, surface), QPointF(x + 8, size.height() - 10), colour::kHot, 3);
  }
  caption(p, QRectF(0, 6, size.width(), 40), "Pellavan", 30, true, colour::kBrand);
  caption(p, QRectF(0, 42, size.width(), 22), "Geothermal Systems", 14, false, colour::kLeaf);
}

}  // namespace pellavan::mkpictures
