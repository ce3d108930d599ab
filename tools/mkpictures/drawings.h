#pragma once
// The drawings of the Data folder's pictures, each filling a canvas of the given size.

#include <QPainter>
#include <QSizeF>

namespace pellavan::mkpictures {

// Logos: the start-up picture, the small logo the disclaimer window makes "gli01.bmp" from
// (white is its transparent colour), and the logo of the system windows.
void startup_logo(QPainter& p, const QSizeF& size);
void banner_logo(QPainter& p, const QSizeF& size, const QColor& background);
void system_logo(QPainter& p, const QSizeF& size);

// Equipment of the catalogues.
enum class Burner { kGas, kPropane, kOil };
void furnace(QPainter& p, const QSizeF& size, Burner burner);
void boiler(QPainter& p, const QSizeF& size);
void electric_heater(QPainter& p, const QSizeF& size, bool duct_heater);
void fan_coil(QPainter& p, const QSizeF& size);
void outdoor_unit(QPainter& p, const QSizeF& size, bool heat_pump);
enum class HeaterKind { kGas, kElectric, kGeo, kTankless, kHeatPump };
void water_heater(QPainter& p, const QSizeF& size, HeaterKind kind);
enum class GeoCabinet { kPackaged, kSplit, kHydronic, kConsole, kVariable };
void geo_unit(QPainter& p, const QSizeF& size, GeoCabinet kind);

// Ground loops.
void vertical_loop(QPainter& p, const QSizeF& size, int u_tubes);
void horizontal_loop(QPainter& p, const QSizeF& size, int pipes);
void slinky_loop(QPainter& p, const QSizeF& size);
void pond_loop(QPainter& p, const QSizeF& size, bool slinky);
void well_water(QPainter& p, const QSizeF& size);

// Explanations shown beside the choices of the system windows.
void soil_section(QPainter& p, const QSizeF& size, bool vertical, bool metric);
// The auxiliary-heat modes; an electric heater's drawing shows both modes running alike.
void aux_heat_modes(QPainter& p, const QSizeF& size, bool electric);
void tandem_units(QPainter& p, const QSizeF& size);
void coil_positions(QPainter& p, const QSizeF& size, bool variable_speed);
void coil_conditions(QPainter& p, const QSizeF& size);

}  // namespace pellavan::mkpictures
