#include "mkpictures/pictures.h"

#include <array>

#include "mkpictures/drawings.h"

namespace pellavan::mkpictures {
namespace {

using P = QPainter;
using S = QSizeF;

// Equipment pictures fit the system windows' picture panel (about 385 x 438 pixels).
constexpr int kEquipW = 280, kEquipH = 240;
constexpr int kLoopW = 320, kLoopH = 240;

const std::array kPictures{
    Picture{"Logost.bmp", 480, 345, &startup_logo},
    Picture{"Logook.bmp", 289, 76, [](P& p, const S& s) { banner_logo(p, s, Qt::white); }},
    Picture{"gli01.bmp", 289, 76,
            [](P& p, const S& s) { banner_logo(p, s, QColor(240, 240, 240)); }},
    Picture{"GeoLogo.bmp", 300, 220, &system_logo},

    Picture{"GasFurn.bmp", kEquipW, kEquipH, [](P& p, const S& s) { furnace(p, s, Burner::kGas); }},
    Picture{"LPFurn.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { furnace(p, s, Burner::kPropane); }},
    Picture{"OilFurn.bmp", kEquipW, kEquipH, [](P& p, const S& s) { furnace(p, s, Burner::kOil); }},
    Picture{"Boiler.bmp", kEquipW, kEquipH, &boiler},
    Picture{"ElecHeat.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { electric_heater(p, s, true); }},
    Picture{"ElecFurn.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { electric_heater(p, s, false); }},
    Picture{"FanCoil.bmp", kEquipW, kEquipH, &fan_coil},
    Picture{"ACUnit.bmp", kEquipW, kEquipH, [](P& p, const S& s) { outdoor_unit(p, s, false); }},
    Picture{"AirHP.bmp", kEquipW, kEquipH, [](P& p, const S& s) { outdoor_unit(p, s, true); }},
    Picture{"GasWH.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { water_heater(p, s, HeaterKind::kGas); }},
    Picture{"ElecWH.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { water_heater(p, s, HeaterKind::kElectric); }},
    Picture{"GeoWH.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { water_heater(p, s, HeaterKind::kGeo); }},
    Picture{"Tankless.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { water_heater(p, s, HeaterKind::kTankless); }},
    Picture{"HPWH.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { water_heater(p, s, HeaterKind::kHeatPump); }},
    Picture{"GeoPkg.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { geo_unit(p, s, GeoCabinet::kPackaged); }},
    Picture{"GeoSplit.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { geo_unit(p, s, GeoCabinet::kSplit); }},
    Picture{"GeoHyd.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { geo_unit(p, s, GeoCabinet::kHydronic); }},
    Picture{"GeoCons.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { geo_unit(p, s, GeoCabinet::kConsole); }},
    Picture{"GeoVar.bmp", kEquipW, kEquipH,
            [](P& p, const S& s) { geo_unit(p, s, GeoCabinet::kVariable); }},

    Picture{"Vert1U.bmp", kLoopW, kLoopH, [](P& p, const S& s) { vertical_loop(p, s, 1); }},
    Picture{"Vert2U.bmp", kLoopW, kLoopH, [](P& p, const S& s) { vertical_loop(p, s, 2); }},
    Picture{"Horz1P.bmp", kLoopW, kLoopH, [](P& p, const S& s) { horizontal_loop(p, s, 1); }},
    Picture{"Horz2P.bmp", kLoopW, kLoopH, [](P& p, const S& s) { horizontal_loop(p, s, 2); }},
    Picture{"Horz4P.bmp", kLoopW, kLoopH, [](P& p, const S& s) { horizontal_loop(p, s, 4); }},
    Picture{"Horz6P.bmp", kLoopW, kLoopH, [](P& p, const S& s) { horizontal_loop(p, s, 6); }},
    Picture{"Slinky.bmp", kLoopW, kLoopH, &slinky_loop},
    Picture{"Pond.bmp", kLoopW, kLoopH, [](P& p, const S& s) { pond_loop(p, s, false); }},
    Picture{"PondSlk.bmp", kLoopW, kLoopH, [](P& p, const S& s) { pond_loop(p, s, true); }},
    Picture{"Well.bmp", kLoopW, kLoopH, &well_water},

    Picture{"VertSoil.bmp", kLoopW, kLoopH,
            [](P& p, const S& s) { soil_section(p, s, true, false); }},
    Picture{"HorzSoil.bmp", kLoopW, kLoopH,
            [](P& p, const S& s) { soil_section(p, s, false, false); }},
    Picture{"VertSoilm.bmp", kLoopW, kLoopH,
            [](P& p, const S& s) { soil_section(p, s, true, true); }},
    Picture{"HorzSoilm.bmp", kLoopW, kLoopH,
            [](P& p, const S& s) { soil_section(p, s, false, true); }},
    Picture{"AuxHeat.bmp", kLoopW, kLoopH, [](P& p, const S& s) { aux_heat_modes(p, s, false); }},
    Picture{"AuxHeatElec.bmp", kLoopW, kLoopH,
            [](P& p, const S& s) { aux_heat_modes(p, s, true); }},
    Picture{"tandem.bmp", kLoopW, kLoopH, &tandem_units},
    Picture{"coilqual.bmp", kLoopW, kLoopH, [](P& p, const S& s) { coil_positions(p, s, false); }},
    Picture{"coilqualV.bmp", kLoopW, kLoopH, [](P& p, const S& s) { coil_positions(p, s, true); }},
    Picture{"coilcond.bmp", kLoopW, kLoopH, &coil_conditions},
};

}  // namespace

std::span<const Picture> all_pictures() { return kPictures; }

const Picture* find_picture(std::string_view name) {
  for (const auto& picture : kPictures)
    if (picture.name == name) return &picture;
  return nullptr;
}

QImage render(const Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  picture.draw(painter, QSizeF(picture.width, picture.height));
  return image;
}

}  // namespace pellavan::mkpictures
