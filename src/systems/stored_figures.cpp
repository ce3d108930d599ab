#include "systems/stored_figures.h"

#include <optional>
#include <string>
#include <string_view>

#include "loads/input/load_checks.h"
#include "loads/input/rate_transfer.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/text/cp1252.h"
#include "systems/conventional/conventional_block.h"
#include "systems/conventional/conventional_checks.h"
#include "systems/conventional/minimum_input.h"
#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_checks.h"
#include "systems/geo/geo_t_block.h"

namespace pellavan::systems {

namespace {

using model::CatalogueLookup;
using model::Int16;
using model::ModelState;
using model::ProjectRec;
using model::RangeCheck;
using model::StoredFigure;
using model::SystemType;

// Geo A's second unit in a tandem mode, which its window takes as any number: held to the range
// of the first unit's quantity.
constexpr RangeCheck second_unit_quantity() {
  RangeCheck row = geo::geo_rows({}, geo::kGeoABlock)[0];
  row.field = geo::second_unit_row({}).field;
  row.value = geo::kSecondUnitTons;
  row.when = geo::kTandem;
  row.words = "Second Unit Quantity";
  return row;
}
constexpr RangeCheck kSecondUnit[] = {second_unit_quantity()};
constexpr RangeCheck kGeoTQuantity[] = {geo::geo_t_quantity_row({}, geo::kGeoTBlock)};

using model::number_field;
using model::setting;

// The settings the windows hold in controls of fixed choices. The load corrections' scroll bars
// run from 1 to 5 (0 stands for 3, their middle).
constexpr RangeCheck kLoadSettings[] = {
    setting("Continuous Fan Choice", number_field<&ProjectRec::Loads_ContFan>(), 0, 1),
    setting("Solar Gains Setting", number_field<&ProjectRec::Loads_SolarGain>(), 0, 5),
    setting("Occupancy Level Setting", number_field<&ProjectRec::Loads_OccupancyGain>(), 0, 5),
    setting("Base Electric Load Setting", number_field<&ProjectRec::Loads_ElecGain>(), 0, 5),
    setting("Construction Quality Setting", number_field<&ProjectRec::Loads_Construction>(), 0, 5),
    setting("Sensible Cooling Choice", number_field<&ProjectRec::Loads_SensibleMode>(), 0, 1),
};

constexpr std::array<RangeCheck, 3> geo_settings(const geo::GeoBlock& b) {
  return {setting("Hot Water Generator Choice", b.hw_generator, 0, 1),
          setting("Loop/Well Hybrid Choice", b.loop_hybrid, 0, 1),
          setting("Auto Size Choice", b.auto_size, 0, 1)};
}
constexpr auto kGeoASettings = geo_settings(geo::kGeoABlock);
constexpr auto kGeoBSettings = geo_settings(geo::kGeoBBlock);
constexpr auto kGeoTSettings = geo_settings(geo::kGeoTBlock);
constexpr RangeCheck kGeoAModes[] = {
    setting("Hydronic Application Choice", number_field<&ProjectRec::GeoA_HydronicMode>(), 0, 4),
    setting("Tandem Choice", number_field<&ProjectRec::GeoA_Tandem>(), 0, 1)};
// Geo T's capacity limits, fractions of the unit's rated capacity.
constexpr RangeCheck kGeoTLimits[] = {
    setting("Heating Capacity Limit", number_field<&ProjectRec::GeoT_HeatCapMin>(), 0, 1),
    setting("Heating Capacity Limit", number_field<&ProjectRec::GeoT_HeatCapMax>(), 0, 1),
    setting("Cooling Capacity Limit", number_field<&ProjectRec::GeoT_CoolCapMin>(), 0, 1),
    setting("Cooling Capacity Limit", number_field<&ProjectRec::GeoT_CoolCapMax>(), 0, 1)};

// The outdoor coil's condition (New, Clean, Average, Dirty as 0, 0.5, 1, 1.5) and the indoor
// coil combination (1 to 3).
constexpr std::array<RangeCheck, 2> coil_settings(const ConventionalBlock& b) {
  return {setting("Outdoor Coil Condition", b.coil_condition, 0, 1.5),
          setting("Indoor Coil Combination", b.coil_quality, 1, 3)};
}
constexpr auto kHeatPumpCoils = coil_settings(kHeatPumpBlock);
constexpr auto kFurnaceCoils = coil_settings(kFurnaceBlock);

// Reads a record by id into a buffer of its own, as the analysis reads it: the model's record
// buffers, which the windows read, stay as they are. A catalogue that cannot be read tells
// nothing here: the window or the analysis that needs it ends the program with its message.
template <class R>
std::optional<CatalogueLookup> look_up(ModelState& m, std::string_view file, Int16 id, R& record) {
  std::optional<CatalogueLookup> lookup;
  try {
    lookup = model::look_up_for_analysis(m.data_files, m.program_folder, file, id, record);
  } catch (const model::DataFileFailure&) {
    record = R{};
  }
  m.data_files.buffer_sources.erase(&record);
  return lookup;
}

// The name of the record an id selects, as its list shows it; empty when none is found.
template <class R>
std::string record_name(ModelState& m, std::string_view file, Int16 id) {
  R record{};
  if (look_up(m, file, id, record) != CatalogueLookup::kFound) return {};
  return model::utf8_from_cp1252(record.Name.str());
}

// Every record the analysis of a system reads, each told when it is damaged or missing; an id of
// 0 names no record.
class RecordCheck {
 public:
  RecordCheck(ModelState& m, const char* window, SystemType system,
              std::vector<StoredFigure>& found)
      : m_(m), window_(window), system_(system), found_(found) {}

  template <class R>
  void check(std::string_view file, double id) {
    const auto key = static_cast<Int16>(id);
    if (key == 0) return;
    R record{};
    const std::optional<CatalogueLookup> lookup = look_up(m_, file, key, record);
    if (!lookup || lookup == CatalogueLookup::kFound) return;
    const auto fault = lookup == CatalogueLookup::kDamaged ? model::RecordFault::kDamaged
                                                           : model::RecordFault::kMissing;
    found_.push_back(model::record_at_fault(fault, system_, window_, file, key));
  }

 private:
  ModelState& m_;
  const char* window_;
  SystemType system_;
  std::vector<StoredFigure>& found_;
};

void add_geo(ModelState& m, const char* window, const geo::GeoBlock& block,
             std::string_view unit_file, std::initializer_list<std::span<const RangeCheck>> tables,
             std::vector<StoredFigure>& found) {
  const ProjectRec& rec = m.ProjectRec;
  const auto id = [&](const model::ProjectNumber& field) {
    return static_cast<Int16>(field.get(rec));
  };
  const model::EditionRow& edition = m.edition();
  const std::string_view loops = model::loop_file_name(m.MetricFlag);
  const std::string loop = record_name<model::LoopRec>(m, loops, id(block.loop_id));
  const std::string heater =
      record_name<model::FurnaceRec>(m, edition.furnace_file, id(block.aux_id));
  const geo::GeoCheckValues values(block, rec, geo::trimmed(loop), geo::trimmed(heater), 0, 0);
  const model::UnitOptions units = model::UnitOptions::of(m.MetricFlag);
  for (const std::span<const RangeCheck> rows : tables)
    add_stored_figures({window, block.kind->type, rows}, values, rec, units, found);

  RecordCheck records(m, window, block.kind->type, found);
  const bool geo_t = block.kind->type == SystemType::GeoT;
  if (geo_t && id(block.unit_id) == 0) return;  // the analysis leaves Geo T out without a unit
  if (geo_t)
    records.check<model::TUnitRec>(unit_file, block.unit_id.get(rec));
  else
    records.check<model::GeoUnitRec>(unit_file, block.unit_id.get(rec));
  if (block.kind->type == SystemType::GeoA)
    records.check<model::GeoUnitRec>(unit_file, rec.GeoA_Unit2Id);
  records.check<model::LoopRec>(loops, block.loop_id.get(rec));
  records.check<model::SoilRec>(model::soil_file_name(m.MetricFlag), block.soil_id.get(rec));
  records.check<model::FurnaceRec>(edition.furnace_file, block.aux_id.get(rec));
  records.check<model::WaterHeaterRec>(edition.water_heater_file, block.water_heater_id.get(rec));
}

template <class Cooling>
void add_conventional(ModelState& m, const char* window, const ConventionalBlock& block,
                      std::span<const RangeCheck> rows, std::span<const RangeCheck> settings,
                      double metric_top, std::string_view cooling_file,
                      std::vector<StoredFigure>& found) {
  const ProjectRec& rec = m.ProjectRec;
  const model::EditionRow& edition = m.edition();
  const model::UnitOptions units = model::UnitOptions::of(m.MetricFlag);
  const auto furnace_id = static_cast<Int16>(block.furnace_id.get(rec));
  const std::string furnace = record_name<model::FurnaceRec>(m, edition.furnace_file, furnace_id);
  // Whole Btu/h fields; the efficiency is the catalogue's and the minimum the window's.
  const SystemFigures figures{
      .capacity = static_cast<model::Int32>(block.capacity.get(rec)),
      .input = static_cast<model::Int32>(block.input.get(rec)),
      .electric = is_electric(furnace) && electric_checked_in_kw(block, units),
      .kw_display = units.display_of(model::Quantity::Capacity) == model::Display::Metric,
      .cut_off = rec.HeatPump_CutOffTemp};
  add_stored_figures({window, block.kind->type, rows}, SystemCheckValues(figures, metric_top), rec,
                     units, found);
  add_stored_figures({window, block.kind->type, settings}, model::StoredValues(rec), rec, units,
                     found);

  RecordCheck records(m, window, block.kind->type, found);
  records.check<Cooling>(cooling_file, block.cooling_id.get(rec));
  records.check<model::FurnaceRec>(edition.furnace_file, furnace_id);
  records.check<model::WaterHeaterRec>(edition.water_heater_file, block.water_heater_id.get(rec));
}

}  // namespace

std::vector<StoredFigure> stored_figures(ModelState& m) {
  const ProjectRec& rec = m.ProjectRec;
  const model::UnitOptions units = model::UnitOptions::of(m.MetricFlag);
  std::vector<StoredFigure> found;
  add_stored_figures({"Project Information", SystemType::NoSystem, loads::load_checks()},
                     loads::LoadCheckValues(rec), rec, units, found);
  add_stored_figures({"Project Information", SystemType::NoSystem, kLoadSettings},
                     model::StoredValues(rec), rec, units, found);
  add_stored_figures({"Utility Information", SystemType::NoSystem, loads::rate_checks()},
                     loads::RateCheckValues(rec), rec, units, found);
  const model::EditionRow& edition = m.edition();
  add_geo(m, "Geo A", geo::kGeoABlock, edition.unit_file,
          {geo::geo_checks(geo::kGeoABlock), kSecondUnit, kGeoASettings, kGeoAModes}, found);
  add_geo(m, "Geo B", geo::kGeoBBlock, edition.unit_file,
          {geo::geo_checks(geo::kGeoBBlock), kGeoBSettings}, found);
  add_geo(m, "Geo T", geo::kGeoTBlock, model::kAnalysisTUnitFile,
          {kGeoTQuantity, geo::geo_checks(geo::kGeoTBlock).subspan(1), kGeoTSettings, kGeoTLimits},
          found);
  add_conventional<model::AirHPRec>(m, "Heat Pump", kHeatPumpBlock, heat_pump_checks(),
                                    kHeatPumpCoils, kHeatPumpMetricTop, edition.air_hp_file, found);
  add_conventional<model::ACRec>(m, "Furnace/Boiler", kFurnaceBlock, furnace_checks(),
                                 kFurnaceCoils, kFurnaceMetricTop, edition.ac_file, found);
  return found;
}

}  // namespace pellavan::systems
