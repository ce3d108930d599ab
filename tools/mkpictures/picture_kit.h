#pragma once
// Shared drawing helpers of the Data folder's pictures: colours, captions and the simple
// schematic shapes (cabinets, tanks, fans, flames, ground sections, pipes) they are made of.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace pellavan::mkpictures {

namespace colour {
inline const QColor kInk{40, 48, 60};
inline const QColor kBrand{22, 72, 128};
inline const QColor kLeaf{58, 140, 72};
inline const QColor kSteel{196, 202, 210};
inline const QColor kSteelDark{150, 158, 168};
inline const QColor kPanel{236, 239, 243};
inline const QColor kFlame{232, 122, 32};
inline const QColor kHot{200, 62, 44};
inline const QColor kCold{48, 110, 200};
inline const QColor kWater{110, 165, 220};
inline const QColor kEarth{176, 138, 96};
inline const QColor kEarthDeep{150, 112, 76};
inline const QColor kGrass{92, 152, 70};
inline const QColor kSky{226, 238, 250};
}  // namespace colour

// Centred text in area; pixel_size is the font height in pixels.
void caption(QPainter& p, const QRectF& area, const QString& text, int pixel_size, bool bold = true,
             const QColor& colour = colour::kInk);

// A sheet-metal cabinet with an access-panel seam and a name plate.
void cabinet(QPainter& p, const QRectF& box, const QString& label);

// Horizontal louvres or slats filling area.
void grille(QPainter& p, const QRectF& area, int slats);

// A four-bladed fan seen from the front.
void fan(QPainter& p, const QPointF& centre, double radius);

// A burner flame standing on base.
void flame(QPainter& p, const QPointF& base, double size);

// A storage tank with domed ends.
void tank(QPainter& p, const QRectF& body, const QColor& jacket);

// Supply (hot) and return (cold) pipe stubs leaving the top of box.
void pipe_stubs(QPainter& p, const QRectF& box);

// Ground cross-section: sky above surface_y, grass, then earth darkening with depth.
void ground(QPainter& p, const QRectF& area, double surface_y);

// A small house outline standing on the point base (bottom centre).
void house(QPainter& p, const QPointF& base, double width);

// A tube drawn as a thick line of colour c.
void tube(QPainter& p, const QPointF& a, const QPointF& b, const QColor& c, double width = 3.0);

// A vertical depth scale with the unit text beside it.
void depth_scale(QPainter& p, double x, double top, double bottom, const QString& unit);

}  // namespace pellavan::mkpictures
