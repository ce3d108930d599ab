#include "systems/stored_figures.h"

#include <array>

#include "loads/input/load_checks.h"
#include "loads/input/rate_transfer.h"
#include "systems/conventional/conventional_block.h"
#include "systems/conventional/conventional_checks.h"
#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_checks.h"
#include "systems/geo/geo_t_block.h"

namespace pellavan::systems {

namespace {

using model::number_field;
using model::NumberField;
using model::ProjectRec;
using model::RangeCheck;
using model::StoredTable;
using model::SystemType;

NumberField<ProjectRec> load_field(const RangeCheck& row) {
  switch (row.value) {
    case loads::kHeatLoad: return number_field<&ProjectRec::Loads_HeatLoad>();
    case loads::kHeatDeltaT: return number_field<&ProjectRec::Loads_HeatDeltaT>();
    case loads::kCoolLoad: return number_field<&ProjectRec::Loads_CoolLoad>();
    case loads::kCoolDeltaT: return number_field<&ProjectRec::Loads_CoolDeltaT>();
    case loads::kDhwTemp: return number_field<&ProjectRec::Loads_DhwTemp>();
    case loads::kDhwUsers: return number_field<&ProjectRec::Loads_DhwUsers>();
    case loads::kHeatSetPoint: return number_field<&ProjectRec::Loads_HeatSetPoint>();
    case loads::kCoolSetPoint: return number_field<&ProjectRec::Loads_CoolSetPoint>();
    case loads::kCoolStart: return number_field<&ProjectRec::Loads_CoolStart>();
    case loads::kSensibleRatio: return number_field<&ProjectRec::Loads_SensibleRatio>();
    default: return number_field<&ProjectRec::Loads_SensibleLoad>();
  }
}

NumberField<ProjectRec> rate_field(const RangeCheck& row) {
  return loads::kRateFields[row.value].project;
}

template <const geo::GeoBlock& B>
NumberField<ProjectRec> geo_field(const RangeCheck& row) {
  switch (row.value) {
    case geo::kTons: return B.tons;
    case geo::kDepth: return B.depth;
    case geo::kBore: return B.bore;
    case geo::kMinTemp: return B.min_temp;
    case geo::kMaxTemp: return B.max_temp;
    case geo::kSecondUnitTons: return number_field<&ProjectRec::GeoA_Unit2Tons>();
    default: return B.aux_input;
  }
}

template <const ConventionalBlock& B>
NumberField<ProjectRec> conventional_field(const RangeCheck& row) {
  switch (row.value) {
    case kCapacityValue: return B.capacity;
    case kCutOffValue: return number_field<&ProjectRec::HeatPump_CutOffTemp>();
    default: return B.input;
  }
}

// Geo A's second unit in a tandem mode, which its window takes as any number: held to the range
// of the first unit's quantity.
constexpr RangeCheck second_unit_quantity() {
  RangeCheck row = geo::geo_rows({})[0];
  row.value = geo::kSecondUnitTons;
  row.when = geo::kTandem;
  row.words = "Second Unit Quantity";
  return row;
}
constexpr RangeCheck kSecondUnit[] = {second_unit_quantity()};
constexpr RangeCheck kGeoTQuantity[] = {geo::geo_t_quantity_row({})};

void add_geo(const char* window, const geo::GeoBlock& block,
             std::initializer_list<std::span<const RangeCheck>> tables,
             NumberField<ProjectRec> (*field_of)(const RangeCheck&), const ProjectRec& rec,
             const model::UnitOptions& units, std::vector<model::StoredFigure>& found) {
  const geo::GeoCheckValues values(block, rec, geo::trimmed(block.loop_name.get(rec)),
                                   geo::trimmed(block.aux_name.get(rec)), 0, 0);
  const auto before = found.size();
  for (const std::span<const RangeCheck> rows : tables)
    if (found.size() == before)
      add_stored_figure({window, block.kind->type, rows, field_of}, values, units, found);
}

void add_conventional(const char* window, const ConventionalBlock& block,
                      std::span<const RangeCheck> rows, double metric_top,
                      NumberField<ProjectRec> (*field_of)(const RangeCheck&), const ProjectRec& rec,
                      const model::UnitOptions& units, std::vector<model::StoredFigure>& found) {
  // Whole Btu/h fields; the efficiency is the catalogue's and the minimum the window's.
  const SystemFigures figures{
      .capacity = static_cast<model::Int32>(block.capacity.get(rec)),
      .input = static_cast<model::Int32>(block.input.get(rec)),
      .kw_display = units.display_of(model::Quantity::Capacity) == model::Display::Metric,
      .cut_off = rec.HeatPump_CutOffTemp};
  add_stored_figure({window, block.kind->type, rows, field_of},
                    SystemCheckValues(figures, metric_top), units, found);
}

}  // namespace

std::vector<model::StoredFigure> stored_figures(const ProjectRec& rec,
                                                const model::UnitOptions& units) {
  std::vector<model::StoredFigure> found;
  add_stored_figure({"Project Information", SystemType::NoSystem, loads::load_checks(), load_field},
                    loads::LoadCheckValues(rec), units, found);
  add_stored_figure({"Utility Information", SystemType::NoSystem, loads::rate_checks(), rate_field},
                    loads::RateCheckValues(rec), units, found);
  add_geo("Geo A", geo::kGeoABlock, {geo::geo_checks(), kSecondUnit}, geo_field<geo::kGeoABlock>,
          rec, units, found);
  add_geo("Geo B", geo::kGeoBBlock, {geo::geo_checks()}, geo_field<geo::kGeoBBlock>, rec, units,
          found);
  add_geo("Geo T", geo::kGeoTBlock, {kGeoTQuantity, geo::geo_checks().subspan(1)},
          geo_field<geo::kGeoTBlock>, rec, units, found);
  add_conventional("Heat Pump", kHeatPumpBlock, heat_pump_checks(), kHeatPumpMetricTop,
                   conventional_field<kHeatPumpBlock>, rec, units, found);
  add_conventional("Furnace/Boiler", kFurnaceBlock, furnace_checks(), kFurnaceMetricTop,
                   conventional_field<kFurnaceBlock>, rec, units, found);
  return found;
}

}  // namespace pellavan::systems
