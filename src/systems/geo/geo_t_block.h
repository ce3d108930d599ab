#pragma once
// The Geo T block of the project record as the shared geothermal rules see it, and the
// capacity-limit fractions of its own.

#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_t_capacity_limits.h"

namespace pellavan::geo {

inline constexpr GeoBlock kGeoTBlock{
    .system_code = 6,
    .result_sheet = model::kGtqSheet,
    .bin_view_code = 5,
    .caption = "Pellavan T",
    .joiner = " and ",
    .depth_rounded_in_metres = false,
    .input_slot = 86,
    .minimum_slot = 87,
    .unit_id = number_field<&ProjectRec::GeoT_UnitId>(),
    .tons = number_field<&ProjectRec::GeoT_Tons>(),
    .loop_id = number_field<&ProjectRec::GeoT_LoopId>(),
    .soil_id = number_field<&ProjectRec::GeoT_SoilId>(),
    .depth = number_field<&ProjectRec::GeoT_Depth>(),
    .bore = number_field<&ProjectRec::GeoT_BoreLength>(),
    .hw_generator = number_field<&ProjectRec::GeoT_HwGenerator>(),
    .loop_hybrid = number_field<&ProjectRec::GeoT_LoopWellHybrid>(),
    .min_temp = number_field<&ProjectRec::GeoT_LoopMinTemp>(),
    .max_temp = number_field<&ProjectRec::GeoT_LoopMaxTemp>(),
    .auto_size = number_field<&ProjectRec::GeoT_AutoSize>(),
    .aux_id = number_field<&ProjectRec::GeoT_AuxId>(),
    .aux_input = number_field<&ProjectRec::GeoT_AuxInput>(),
    .water_heater_id = number_field<&ProjectRec::GeoT_WaterHeaterId>(),
    .aux_mode = number_field<&ProjectRec::GeoT_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoT_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoT_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoT_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoT_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoT_WaterHeaterName>()};

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
