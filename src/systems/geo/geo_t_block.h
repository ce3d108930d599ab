#pragma once
// The Geo T block of the project record as the shared geothermal rules see it, and the
// capacity-limit fractions of its own.

#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_t_capacity_limits.h"

namespace pellavan::geo {

inline constexpr GeoBlock kGeoTBlock = geo_block(
    model::kGeoT,
    {.joiner = " and ", .depth_rounded_in_metres = false, .input_slot = 86, .minimum_slot = 87});

// The stored fraction of each capacity limit.
[[nodiscard]] constexpr Number capacity_field(CapacityLimit limit) {
  switch (limit) {
    case CapacityLimit::HeatMax: return number_field<&ProjectRec::GeoT_HeatCapMax>();
    case CapacityLimit::CoolMax: return number_field<&ProjectRec::GeoT_CoolCapMax>();
    case CapacityLimit::HeatMin: return number_field<&ProjectRec::GeoT_HeatCapMin>();
    case CapacityLimit::CoolMin: return number_field<&ProjectRec::GeoT_CoolCapMin>();
  }
  return number_field<&ProjectRec::GeoT_HeatCapMax>();
}

// Ids an empty block starts with: unit, loop, soil, auxiliary heat, water heater.
struct GeoTDefaultId {
  Number field;
  model::Int16 id;
};
inline constexpr GeoTDefaultId kGeoTDefaultIds[] = {
    {number_field<&ProjectRec::GeoT_UnitId>(), 3},
    {number_field<&ProjectRec::GeoT_LoopId>(), 23},
    {number_field<&ProjectRec::GeoT_SoilId>(), 2},
    {number_field<&ProjectRec::GeoT_AuxId>(), 31},
    {number_field<&ProjectRec::GeoT_WaterHeaterId>(), 12}};

}  // namespace pellavan::geo
