// Explanatory pictures of the system windows: the soil section the loop depth is measured in,
// the auxiliary-heat operation modes, the tandem application, and the indoor and outdoor coil
// choices.

#include <QPolygonF>

#include "mkpictures/drawings.h"
#include "mkpictures/picture_kit.h"

namespace pellavan::mkpictures {
namespace {

void title(QPainter& p, const QSizeF& size, const QString& text) {
  caption(p, QRectF(0, 4, size.width(), 24), text, 15, true, colour::kBrand);
}

// A horizontal bar of a capacity, with its label, for the auxiliary-heat chart.
void bar(QPainter& p, const QRectF& row, double share, const QColor& c, const QString& label) {
  p.fillRect(QRectF(row.left() + 90, row.top(), (row.width() - 90) * share, row.height()), c);
  caption(p, QRectF(row.left(), row.top(), 88, row.height()), label, 11, false);
}

}  // namespace

void soil_section(QPainter& p, const QSizeF& size, bool vertical, bool metric) {
  const double surface = size.height() * 0.3;
  ground(p, QRectF(QPointF(0, 0), size), surface);
  title(p, size, vertical ? "Vertical Bore Depth" : "Horizontal Trench Depth");
  const QString unit = metric ? "(m)" : "(ft)";
  if (vertical) {
    const double bottom = size.height() - 20;
    p.fillRect(QRectF(size.width() / 2 - 10, surface, 20, bottom - surface), QColor(90, 90, 98));
    depth_scale(p, size.width() / 2 + 50, surface, bottom, unit);
    caption(p, QRectF(20, size.height() - 60, 120, 40), "average depth\nof the bores", 11, false);
  } else {
    const double depth = surface + 70;
    p.fillRect(QRectF(60, depth - 12, size.width() - 160, 24), QColor(90, 90, 98));
    depth_scale(p, size.width() - 80, surface, depth, unit);
    caption(p, QRectF(60, depth + 20, size.width() - 160, 36), "average depth\nof the pipes", 11,
            false);
  }
}

// One operation mode under its name: the shares of a cold bin's heat the heat pump and the
// auxiliary give, and what the mode does.
void heat_mode(QPainter& p, double top, double w, const QString& name, double pump_share,
               const QString& auxiliary, const QString& text) {
  caption(p, QRectF(15, top, w, 20), name, 13, true);
  bar(p, QRectF(15, top + 24, w, 22), pump_share, colour::kLeaf, "heat pump");
  bar(p, QRectF(15, top + 50, w, 22), 1.0 - pump_share, colour::kHot, auxiliary);
  caption(p, QRectF(15, top + 74, w, 20), text, 10, false);
}

void aux_heat_modes(QPainter& p, const QSizeF& size, bool electric) {
  p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  title(p, size, "Auxiliary Heat Operation");
  const double w = size.width() - 30;
  if (!electric) {
    heat_mode(p, 36, w, "Supplement Heat Pump", 0.7, "auxiliary",
              "both run: the auxiliary adds what the heat pump lacks");
    heat_mode(p, 138, w, "Override Heat Pump", 0.0, "auxiliary",
              "the auxiliary replaces the heat pump while it runs");
    return;
  }
  heat_mode(p, 36, w, "Supplement Heat Pump", 0.7, "electric",
            "both run: the heater adds what the heat pump lacks");
  heat_mode(p, 138, w, "Override Heat Pump", 0.7, "electric",
            "an electric heater, sized to what the heat pump lacks,\nruns as in Supplement in "
            "either mode");
}

void tandem_units(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  title(p, size, "Tandem Application");
  const QRectF hydronic(24, 70, 110, 110);
  const QRectF ducted(size.width() - 134, 70, 110, 110);
  cabinet(p, hydronic, "HYDRONIC");
  cabinet(p, ducted, "DUCTED");
  tube(p, QPointF(hydronic.right(), 110), QPointF(ducted.left(), 110), colour::kHot, 4);
  tube(p, QPointF(hydronic.right(), 140), QPointF(ducted.left(), 140), colour::kCold, 4);
  caption(p, QRectF(hydronic.right(), 112, ducted.left() - hydronic.right(), 26), "loop", 11,
          false);
  caption(p, QRectF(0, 190, size.width(), 40),
          "The hydronic unit heats floors and water;\nthe ducted unit heats and cools the air.", 11,
          false);
}

void coil_positions(QPainter& p, const QSizeF& size, bool variable_speed) {
  p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  title(p, size, variable_speed ? "Indoor Coil - Variable Speed Fan" : "Indoor Coil Combination");
  const QRectF furnace_box(size.width() / 2 - 45, 120, 90, 100);
  cabinet(p, furnace_box, variable_speed ? "VSPD FAN" : "PSC FAN");
  const QRectF coil(furnace_box.left(), furnace_box.top() - 60, furnace_box.width(), 58);
  p.save();
  p.setPen(QPen(colour::kInk, 2));
  p.setBrush(colour::kPanel);
  p.drawRect(coil);
  p.setPen(QPen(colour::kCold, 2));
  QPolygonF a_coil;
  a_coil << QPointF(coil.left() + 8, coil.bottom() - 4)
         << QPointF(coil.center().x(), coil.top() + 6)
         << QPointF(coil.right() - 8, coil.bottom() - 4);
  p.drawPolyline(a_coil);
  p.restore();
  const QStringList choices = variable_speed
                                  ? QStringList{"Fan Coil", "Std Furnace", "Hi-Eff Furnace"}
                                  : QStringList{"Best", "Standard", "Builder"};
  for (int i = 0; i < 3; ++i)
    caption(p, QRectF(10, 64 + i * 40, furnace_box.left() - 20, 30), choices[i], 12, i == 0);
  caption(p, QRectF(furnace_box.right() + 10, 64, size.width() - furnace_box.right() - 20, 90),
          "how well the indoor coil matches the outdoor unit", 10, false);
}

void coil_conditions(QPainter& p, const QSizeF& size) {
  p.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
  title(p, size, "Outdoor Coil Condition");
  static const char* const names[] = {"New", "Clean", "Average", "Dirty"};
  const double w = (size.width() - 50) / 4;
  for (int i = 0; i < 4; ++i) {
    const QRectF box(10 + i * (w + 10), 60, w, 120);
    cabinet(p, box, names[i]);
    grille(p, QRectF(box.left() + 6, box.top() + 8, box.width() - 12, box.height() - 44), 8);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 90, 60, 60 * i));
    p.drawRect(QRectF(box.left() + 4, box.top() + 4, box.width() - 8, box.height() - 36));
    p.restore();
  }
  caption(p, QRectF(10, 190, size.width() - 20, 40),
          "dirt on the coil lowers capacity and raises power", 11, false);
}

}  // namespace pellavan::mkpictures
