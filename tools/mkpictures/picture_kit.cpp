#include "mkpictures/picture_kit.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace pellavan::mkpictures {

void caption(QPainter& p, const QRectF& area, const QString& text, int pixel_size, bool bold,
             const QColor& c) {
  QFont font("DejaVu Sans");
  font.setPixelSize(pixel_size);
  font.setBold(bold);
  p.save();
  p.setFont(font);
  p.setPen(c);
  p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
  p.restore();
}

void cabinet(QPainter& p, const QRectF& box, const QString& label) {
  p.save();
  QLinearGradient shade(box.topLeft(), box.topRight());
  shade.setColorAt(0, colour::kSteel.lighter(112));
  shade.setColorAt(1, colour::kSteel.darker(108));
  p.setPen(QPen(colour::kInk, 2));
  p.setBrush(shade);
  p.drawRoundedRect(box, 4, 4);
  p.setPen(QPen(colour::kSteelDark, 1.5));
  const double seam = box.top() + box.height() * 0.55;
  p.drawLine(QPointF(box.left() + 6, seam), QPointF(box.right() - 6, seam));
  p.restore();
  if (label.isEmpty()) return;
  // The plate grows with its text, up to the cabinet's width.
  QFont font("DejaVu Sans");
  font.setPixelSize(10);
  font.setBold(true);
  const double text_width = QFontMetricsF(font).horizontalAdvance(label) + 10;
  const double width = std::min(box.width() - 8, std::max(box.width() * 0.6, text_width));
  const QRectF plate(box.center().x() - width / 2, box.bottom() - 24, width, 16);
  p.save();
  p.setBrush(colour::kPanel);
  p.setPen(QPen(colour::kInk, 1));
  p.drawRect(plate);
  p.restore();
  caption(p, plate, label, 10);
}

void grille(QPainter& p, const QRectF& area, int slats) {
  p.save();
  p.setPen(QPen(colour::kSteelDark.darker(130), 2));
  for (int i = 0; i < slats; ++i) {
    const double y = area.top() + area.height() * (i + 0.5) / slats;
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  }
  p.restore();
}

void fan(QPainter& p, const QPointF& centre, double radius) {
  p.save();
  p.setPen(QPen(colour::kInk, 1.5));
  p.setBrush(colour::kPanel);
  p.drawEllipse(centre, radius, radius);
  p.setBrush(colour::kSteelDark);
  for (int blade = 0; blade < 4; ++blade) {
    const double angle = blade * std::numbers::pi / 2;
    QPainterPath path;
    path.moveTo(centre);
    path.arcTo(
        QRectF(centre.x() - radius * 0.85, centre.y() - radius * 0.85, radius * 1.7, radius * 1.7),
        angle * 180 / std::numbers::pi, 40);
    path.closeSubpath();
    p.drawPath(path);
  }
  p.setBrush(colour::kInk);
  p.drawEllipse(centre, radius * 0.12, radius * 0.12);
  p.restore();
}

void flame(QPainter& p, const QPointF& base, double size) {
  p.save();
  QPainterPath outer;
  outer.moveTo(base.x() - size * 0.35, base.y());
  outer.cubicTo(base.x() - size * 0.5, base.y() - size * 0.6, base.x(), base.y() - size * 0.7,
                base.x(), base.y() - size);
  outer.cubicTo(base.x() + size * 0.1, base.y() - size * 0.6, base.x() + size * 0.5,
                base.y() - size * 0.55, base.x() + size * 0.35, base.y());
  outer.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kFlame);
  p.drawPath(outer);
  p.setBrush(QColor(250, 210, 80));
  p.drawEllipse(QPointF(base.x(), base.y() - size * 0.22), size * 0.13, size * 0.2);
  p.restore();
}

void tank(QPainter& p, const QRectF& body, const QColor& jacket) {
  p.save();
  QLinearGradient shade(body.topLeft(), body.topRight());
  shade.setColorAt(0, jacket.lighter(125));
  shade.setColorAt(0.5, jacket);
  shade.setColorAt(1, jacket.darker(125));
  p.setPen(QPen(colour::kInk, 2));
  p.setBrush(shade);
  p.drawRoundedRect(body, body.width() * 0.25, body.width() * 0.12);
  p.setPen(QPen(jacket.darker(140), 1));
  for (double f : {0.18, 0.82}) {
    const double y = body.top() + body.height() * f;
    p.drawLine(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y));
  }
  p.restore();
}

void pipe_stubs(QPainter& p, const QRectF& box) {
  const double top = box.top();
  tube(p, QPointF(box.left() + box.width() * 0.3, top),
       QPointF(box.left() + box.width() * 0.3, top - 18), colour::kHot, 5);
  tube(p, QPointF(box.left() + box.width() * 0.7, top),
       QPointF(box.left() + box.width() * 0.7, top - 18), colour::kCold, 5);
}

void ground(QPainter& p, const QRectF& area, double surface_y) {
  p.save();
  p.fillRect(QRectF(area.left(), area.top(), area.width(), surface_y - area.top()), colour::kSky);
  QLinearGradient earth(QPointF(0, surface_y), QPointF(0, area.bottom()));
  earth.setColorAt(0, colour::kEarth);
  earth.setColorAt(1, colour::kEarthDeep);
  p.fillRect(QRectF(area.left(), surface_y, area.width(), area.bottom() - surface_y), earth);
  p.fillRect(QRectF(area.left(), surface_y - 4, area.width(), 6), colour::kGrass);
  p.setPen(QPen(colour::kEarthDeep.darker(120), 1, Qt::DotLine));
  for (double y = surface_y + 30; y < area.bottom(); y += 30)
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
  p.restore();
}

void house(QPainter& p, const QPointF& base, double width) {
  p.save();
  const double h = width * 0.55;
  const QRectF walls(base.x() - width / 2, base.y() - h, width, h);
  p.setPen(QPen(colour::kInk, 2));
  p.setBrush(QColor(246, 236, 214));
  p.drawRect(walls);
  QPolygonF roof;
  roof << QPointF(walls.left() - width * 0.08, walls.top())
       << QPointF(base.x(), walls.top() - width * 0.38)
       << QPointF(walls.right() + width * 0.08, walls.top());
  p.setBrush(QColor(150, 60, 50));
  p.drawPolygon(roof);
  p.setBrush(colour::kSky.darker(105));
  p.drawRect(QRectF(walls.left() + width * 0.12, walls.top() + h * 0.25, width * 0.22, h * 0.28));
  p.setBrush(QColor(120, 80, 50));
  p.drawRect(QRectF(base.x() + width * 0.1, base.y() - h * 0.6, width * 0.2, h * 0.6));
  p.restore();
}

void tube(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c, double width) {
  p.save();
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(a, b);
  p.restore();
}

void depth_scale(QPainter& p, double x, double top, double bottom, const QString& unit) {
  p.save();
  p.setPen(QPen(colour::kInk, 1.5));
  p.drawLine(QPointF(x, top), QPointF(x, bottom));
  for (double y : {top, bottom}) p.drawLine(QPointF(x - 5, y), QPointF(x + 5, y));
  p.restore();
  caption(p, QRectF(x + 6, (top + bottom) / 2 - 18, 50, 36), "depth\n" + unit, 11, false);
}

}  // namespace pellavan::mkpictures
