#pragma once
// The equipment catalogues the furnace/boiler and heat-pump windows read, written into a
// fixture's Data folder: standard, electric, variable-speed and efficiency-less furnaces, a
// single- and a two-stage air conditioner, two water heaters and a single- and a
// variable-speed heat pump.

#include "model/catalogue/catalogue_fixture.h"
#include "model/records/ac_rec.h"
#include "model/records/air_hp_rec.h"
#include "model/records/furnace_rec.h"
#include "model/records/water_heater_rec.h"

namespace pellavan::app::testing {

enum FurnaceId : model::Int16 {
  kGas80 = 1,
  kElectric = 2,
  kVspd95 = 3,
  kNoEfficiency = 4,
  kGas95 = 5
};
enum AirId : model::Int16 { kAirPro = 1, kAirProVar = 2 };

inline model::FurnaceRec furnace(model::Int16 id, const char* name, double eff, double icm = 0,
                                 model::Int16 add_on = 0, const char* picture = "GasFurn.bmp") {
  auto r = model::testing::named_record<model::FurnaceRec>(id, name);
  r.FuelType = std::string_view(name).starts_with("Electric") ? 4 : 1;
  r.FullLoadEff = model::Currency::from_double(eff);
  r.IcmFanFlag = model::Currency::from_double(icm);
  r.AddOnMode = add_on;
  r.Picture = picture;
  return r;
}

// Call with the fixture's own writer: write(file name, record bytes).
template <class Write>
void write_conventional_catalogues(Write write) {
  write("FossData.CEA", std::vector<model::FurnaceRec>{
                            furnace(kGas80, "Gas Furnace 80", 0.8),
                            furnace(kElectric, "Electric Furnace", 1.0, 0, 1),
                            furnace(kVspd95, "Vspd Furnace-95", 0.95, 1, -1),
                            furnace(kNoEfficiency, "Broken Furnace", 0.0, 0, 0, "Missing.bmp"),
                            furnace(kGas95, "Gas Furnace 95", 0.95)});
  auto two = model::testing::named_record<model::ACRec>(2, "AC Two Stage");
  two.TwoStageFlag = model::Currency::from_double(1);
  write("ACData.CEA", std::vector<model::ACRec>{
                          model::testing::named_record<model::ACRec>(1, "AC 13 SEER"), two});
  write("WHData.CEA",
        std::vector<model::WaterHeaterRec>{
            model::testing::named_record<model::WaterHeaterRec>(1, "Gas Water Heater"),
            model::testing::named_record<model::WaterHeaterRec>(2, "Electric Water Heater")});
  auto var = model::testing::named_record<model::AirHPRec>(kAirProVar, "AirPro Var");
  var.VarSpeedFlag = 1;
  write("AirData.CEA",
        std::vector<model::AirHPRec>{
            model::testing::named_record<model::AirHPRec>(kAirPro, "AirPro 36"), var});
}

}  // namespace pellavan::app::testing
