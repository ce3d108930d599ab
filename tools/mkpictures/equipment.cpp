// Front views of the catalogue equipment: furnaces, boilers, electric heaters, fan coils,
// outdoor units, water heaters and geothermal heat pumps.

#include <QPolygonF>

#include "mkpictures/drawings.h"
#include "mkpictures/picture_kit.h"

namespace pellavan::mkpictures {
namespace {

// The floor line and a caption strip along the top, common to every equipment picture.
QRectF stage(QPainter& p, const QSizeF& size, const QString& title) {
  p.fillRect(QRectF(QPointF(0, 0), size), colour::kPanel);
  caption(p, QRectF(0, 4, size.width(), 24), title, 15, true, colour::kBrand);
  p.setPen(QPen(colour::kSteelDark, 2));
  p.drawLine(QPointF(10, size.height() - 12), QPointF(size.width() - 10, size.height() - 12));
  return QRectF(10, 32, size.width() - 20, size.height() - 44);  // room for the drawing
}

// A cabinet standing on the floor, centred, of the given share of the room.
QRectF standing(const QRectF& room, double width_share, double height_share) {
  const double w = room.width() * width_share, h = room.height() * height_share;
  return QRectF(room.center().x() - w / 2, room.bottom() - h, w, h);
}

QString burner_name(Burner burner) {
  switch (burner) {
    case Burner::kGas: return "Gas Furnace";
    case Burner::kPropane: return "Propane Furnace";
    case Burner::kOil: return "Oil Furnace";
  }
  return {};
}

}  // namespace

void furnace(QPainter& p, const QSizeF& size, Burner burner) {
  const QRectF box = standing(stage(p, size, burner_name(burner)), 0.42, 0.88);
  cabinet(p, box, burner == Burner::kOil ? "OIL" : burner == Burner::kGas ? "GAS" : "LP");
  grille(p, QRectF(box.left() + 12, box.top() + 10, box.width() - 24, box.height() * 0.3), 6);
  const QRectF window(box.left() + box.width() * 0.3, box.top() + box.height() * 0.6,
                      box.width() * 0.4, box.height() * 0.17);
  p.fillRect(window, QColor(50, 40, 40));
  flame(p, QPointF(window.center().x(), window.bottom() - 2), window.height() * 0.9);
  tube(p, QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.top() - 6),
       colour::kSteelDark, 10);
}

void boiler(QPainter& p, const QSizeF& size) {
  const QRectF box = standing(stage(p, size, "Hot Water Boiler"), 0.5, 0.7);
  cabinet(p, box, "BOILER");
  pipe_stubs(p, box);
  const QRectF gauge(box.center().x() - 16, box.top() + 14, 32, 32);
  p.setPen(QPen(colour::kInk, 2));
  p.setBrush(Qt::white);
  p.drawEllipse(gauge);
  p.drawLine(gauge.center(), gauge.center() + QPointF(9, -8));
  flame(p, QPointF(box.center().x(), box.top() + box.height() * 0.62), 26);
}

void electric_heater(QPainter& p, const QSizeF& size, bool duct_heater) {
  const QRectF room = stage(p, size, duct_heater ? "Electric Duct Heater" : "Electric Furnace");
  const QRectF box = duct_heater
                         ? QRectF(room.left() + 30, room.center().y() - 35, room.width() - 60, 70)
                         : standing(room, 0.42, 0.88);
  cabinet(p, box, "ELECTRIC");
  p.save();
  p.setPen(QPen(colour::kHot, 2.5));
  const double y = duct_heater ? box.center().y() - 6 : box.top() + box.height() * 0.3;
  QPolygonF coil;
  for (int i = 0; i <= 12; ++i)
    coil << QPointF(box.left() + 14 + (box.width() - 28) * i / 12.0, y + ((i % 2) ? -10 : 10));
  p.drawPolyline(coil);
  p.restore();
  if (duct_heater) {
    tube(p, QPointF(room.left(), box.center().y()), QPointF(box.left(), box.center().y()),
         colour::kSteelDark, 24);
    tube(p, QPointF(box.right(), box.center().y()), QPointF(room.right(), box.center().y()),
         colour::kSteelDark, 24);
  }
}

void fan_coil(QPainter& p, const QSizeF& size) {
  const QRectF box = standing(stage(p, size, "Fan Coil"), 0.5, 0.8);
  cabinet(p, box, "FAN COIL");
  fan(p, QPointF(box.center().x(), box.top() + box.height() * 0.3), box.width() * 0.28);
  pipe_stubs(p, box);
}

void outdoor_unit(QPainter& p, const QSizeF& size, bool heat_pump) {
  const QRectF box =
      standing(stage(p, size, heat_pump ? "Air-Source Heat Pump" : "Air Conditioner"), 0.7, 0.72);
  cabinet(p, box, heat_pump ? "HEAT PUMP" : "A/C");
  grille(p, QRectF(box.left() + 8, box.top() + 8, box.width() - 16, box.height() - 40), 10);
  fan(p, QPointF(box.center().x(), box.top() + box.height() * 0.42), box.height() * 0.3);
}

void water_heater(QPainter& p, const QSizeF& size, HeaterKind kind) {
  static const char* const titles[] = {"Gas Water Heater", "Electric Water Heater",
                                       "Geothermal Water Heater", "Tankless Water Heater",
                                       "Heat Pump Water Heater"};
  const QRectF room = stage(p, size, titles[static_cast<int>(kind)]);
  if (kind == HeaterKind::kTankless) {
    const QRectF box(room.center().x() - 45, room.top() + 20, 90, 120);
    cabinet(p, box, "TANKLESS");
    flame(p, QPointF(box.center().x(), box.top() + 70), 30);
    return;
  }
  const QColor jacket = kind == HeaterKind::kGeo ? QColor(120, 170, 120) : QColor(230, 230, 225);
  const QRectF body = standing(room, 0.32, kind == HeaterKind::kHeatPump ? 0.7 : 0.9);
  tank(p, body, jacket);
  pipe_stubs(p, body);
  if (kind == HeaterKind::kGas) flame(p, QPointF(body.center().x(), body.bottom() - 8), 22);
  if (kind == HeaterKind::kElectric || kind == HeaterKind::kGeo)
    caption(p, QRectF(body.left(), body.center().y() - 10, body.width(), 20),
            kind == HeaterKind::kGeo ? "GEO" : "ELEC", 13);
  if (kind == HeaterKind::kHeatPump) {
    const QRectF top(body.left() - 4, body.top() - 46, body.width() + 8, 44);
    cabinet(p, top, "");
    fan(p, top.center(), 16);
  }
  if (kind == HeaterKind::kGeo) {
    tube(p, QPointF(body.right(), body.top() + 40), QPointF(room.right() - 8, body.top() + 40),
         colour::kHot, 4);
    tube(p, QPointF(body.right(), body.bottom() - 30),
         QPointF(room.right() - 8, body.bottom() - 30), colour::kCold, 4);
    caption(p, QRectF(body.right() + 4, body.top() + 44, room.right() - body.right() - 8, 40),
            "from heat pump", 10, false);
  }
}

void geo_unit(QPainter& p, const QSizeF& size, GeoCabinet kind) {
  static const char* const titles[] = {"Geothermal Heat Pump", "Geothermal Split System",
                                       "Water-to-Water Heat Pump", "Geothermal Console",
                                       "Variable-Capacity Heat Pump"};
  const QRectF room = stage(p, size, titles[static_cast<int>(kind)]);
  switch (kind) {
    case GeoCabinet::kPackaged:
    case GeoCabinet::kVariable: {
      const QRectF box = standing(room, 0.46, 0.9);
      cabinet(p, box, kind == GeoCabinet::kVariable ? "VARISTEP" : "GEO");
      grille(p, QRectF(box.left() + 12, box.top() + 10, box.width() - 24, box.height() * 0.32), 7);
      tube(p, QPointF(box.left(), box.bottom() - 40), QPointF(box.left() - 22, box.bottom() - 40),
           colour::kCold, 5);
      tube(p, QPointF(box.left(), box.bottom() - 56), QPointF(box.left() - 22, box.bottom() - 56),
           colour::kHot, 5);
      break;
    }
    case GeoCabinet::kSplit: {
      const QRectF air(room.left() + 14, room.bottom() - room.height() * 0.9, room.width() * 0.38,
                       room.height() * 0.9);
      const QRectF compressor(room.right() - 14 - room.width() * 0.42,
                              room.bottom() - room.height() * 0.5, room.width() * 0.42,
                              room.height() * 0.5);
      cabinet(p, air, "AIR HANDLER");
      cabinet(p, compressor, "COMPRESSOR");
      tube(p, QPointF(air.right(), compressor.top() + 20),
           QPointF(compressor.left(), compressor.top() + 20), colour::kSteelDark, 4);
      break;
    }
    case GeoCabinet::kHydronic: {
      const QRectF box = standing(room, 0.56, 0.62);
      cabinet(p, box, "WATER-TO-WATER");
      pipe_stubs(p, box);
      break;
    }
    case GeoCabinet::kConsole: {
      const QRectF box = standing(room, 0.8, 0.45);
      cabinet(p, box, "CONSOLE");
      grille(p, QRectF(box.left() + 10, box.top() + 6, box.width() - 20, 20), 4);
      break;
    }
  }
}

}  // namespace pellavan::mkpictures
