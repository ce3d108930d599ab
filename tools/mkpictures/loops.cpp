// Ground-loop diagrams: a house on a ground section with the loop drawn in it.

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "mkpictures/drawings.h"
#include "mkpictures/picture_kit.h"

namespace pellavan::mkpictures {
namespace {

constexpr double kSurfaceShare = 0.36;

// The section, the house at the left and the header pipes from the house to x_start.
double scene(QPainter& p, const QSizeF& size, const QString& title, double x_start) {
  const double surface = size.height() * kSurfaceShare;
  ground(p, QRectF(QPointF(0, 0), size), surface);
  house(p, QPointF(52, surface), 70);
  caption(p, QRectF(100, 6, size.width() - 106, 22), title, 14, true, colour::kBrand);
  tube(p, QPointF(70, surface - 8), QPointF(70, surface + 14), colour::kHot);
  tube(p, QPointF(78, surface - 8), QPointF(78, surface + 20), colour::kCold);
  tube(p, QPointF(70, surface + 14), QPointF(x_start, surface + 14), colour::kHot);
  tube(p, QPointF(78, surface + 20), QPointF(x_start, surface + 20), colour::kCold);
  return surface;
}

void u_tube(QPainter& p, double x, double top, double bottom, double spacing) {
  tube(p, QPointF(x, top), QPointF(x, bottom), colour::kHot);
  tube(p, QPointF(x + spacing, top), QPointF(x + spacing, bottom), colour::kCold);
  p.save();
  p.setPen(QPen(colour::kInk, 3));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(x, bottom - spacing / 2, spacing, spacing), 180 * 16, 180 * 16);
  p.restore();
}

}  // namespace

void vertical_loop(QPainter& p, const QSizeF& size, int u_tubes) {
  const double surface =
      scene(p, size, u_tubes == 1 ? "Vertical Bores, 1 U-Tube" : "Vertical Bores, 2 U-Tubes",
            size.width() - 30);
  const double bottom = size.height() - 16;
  for (int bore = 0; bore < 3; ++bore) {
    const double x = 130 + bore * 60;
    p.fillRect(QRectF(x - 6, surface + 14, 26 + (u_tubes - 1) * 12, bottom - surface - 8),
               QColor(120, 120, 128, 90));
    for (int u = 0; u < u_tubes; ++u) u_tube(p, x + u * 12, surface + 14, bottom - 6, 8);
  }
}

void horizontal_loop(QPainter& p, const QSizeF& size, int pipes) {
  const double surface = scene(
      p, size, QString("Horizontal Trench, %1 Pipe%2").arg(pipes).arg(pipes > 1 ? "s" : ""), 110);
  const QRectF trench(110, surface + 30, size.width() - 130, 26 + pipes * 6);
  p.fillRect(trench, QColor(120, 120, 128, 90));
  tube(p, QPointF(110, surface + 14), QPointF(110, trench.top() + 4), colour::kHot);
  for (int i = 0; i < pipes; ++i) {
    const double y = trench.top() + 6 + i * (trench.height() - 12) / std::max(1, pipes - 1);
    tube(p, QPointF(trench.left() + 4, y), QPointF(trench.right() - 4, y),
         i % 2 ? colour::kCold : colour::kHot);
  }
  caption(p, QRectF(trench.left(), trench.bottom() + 8, trench.width(), 20), "trench length", 12,
          false);
}

void slinky_loop(QPainter& p, const QSizeF& size) {
  const double surface = scene(p, size, "Slinky Coil Trench", 110);
  const QRectF trench(110, surface + 34, size.width() - 130, 60);
  p.fillRect(trench, QColor(120, 120, 128, 90));
  p.save();
  p.setPen(QPen(colour::kCold, 2.5));
  p.setBrush(Qt::NoBrush);
  for (double x = trench.left() + 4; x + 34 < trench.right(); x += 16)
    p.drawEllipse(QRectF(x, trench.top() + 6, 34, trench.height() - 12));
  p.restore();
  caption(p, QRectF(trench.left(), trench.bottom() + 8, trench.width(), 20), "trench length", 12,
          false);
}

void pond_loop(QPainter& p, const QSizeF& size, bool slinky) {
  const double surface =
      scene(p, size, slinky ? "Pond Loop, Slinky Coils" : "Pond Loop, Coiled Pipe", 130);
  QPainterPath pond;
  pond.moveTo(120, surface);
  pond.cubicTo(150, size.height() - 20, size.width() - 40, size.height() - 20, size.width() - 10,
               surface);
  pond.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kWater);
  p.drawPath(pond);
  p.save();
  p.setPen(QPen(colour::kInk, 2.5));
  p.setBrush(Qt::NoBrush);
  const double y = size.height() - 62;
  for (int coil = 0; coil < 3; ++coil) {
    const double x = 150 + coil * 50;
    if (slinky) {
      for (int ring = 0; ring < 4; ++ring) p.drawEllipse(QRectF(x + ring * 6, y, 26, 20));
    } else {
      p.drawEllipse(QRectF(x, y, 38, 18));
      p.drawEllipse(QRectF(x + 4, y + 3, 30, 12));
    }
  }
  p.restore();
}

void well_water(QPainter& p, const QSizeF& size) {
  const double surface = scene(p, size, "Open Loop, Well Water", 140);
  const double bottom = size.height() - 12;
  p.fillRect(QRectF(0, size.height() * 0.78, size.width(), size.height() * 0.22), colour::kWater);
  caption(p, QRectF(0, size.height() * 0.86, size.width(), 20), "ground water", 12, false);
  for (const auto& [x, label] :
       {std::pair{150.0, "supply well"}, std::pair{250.0, "return well"}}) {
    p.fillRect(QRectF(x - 8, surface, 16, bottom - surface), QColor(90, 90, 98));
    caption(p, QRectF(x - 40, surface + 24, 80, 18), label, 11, false, Qt::white);
  }
  tube(p, QPointF(140, surface + 14), QPointF(150, surface + 14), colour::kHot);
  tube(p, QPointF(140, surface + 20), QPointF(250, surface + 20), colour::kCold);
}

}  // namespace pellavan::mkpictures
