#pragma once
// The Geo A and Geo B blocks of the project record as the shared geothermal rules see them.

#include "systems/geo/geo_block.h"

namespace pellavan::geo {

using model::number_field;
using model::ProjectRec;
using model::text_field;

inline constexpr GeoBlock kGeoABlock{
    .system_code = 1,
    .result_sheet = model::kGaqSheet,
    .bin_view_code = 1,
    .caption = "Pellavan A",
    .joiner = " / ",
    .depth_rounded_in_metres = true,
    .input_slot = 20,
    .minimum_slot = 21,
    .unit_id = number_field<&ProjectRec::GeoA_UnitId>(),
    .tons = number_field<&ProjectRec::GeoA_Tons>(),
    .loop_id = number_field<&ProjectRec::GeoA_LoopId>(),
    .soil_id = number_field<&ProjectRec::GeoA_SoilId>(),
    .depth = number_field<&ProjectRec::GeoA_Depth>(),
    .bore = number_field<&ProjectRec::GeoA_BoreLength>(),
    .hw_generator = number_field<&ProjectRec::GeoA_HwGenerator>(),
    .loop_hybrid = number_field<&ProjectRec::GeoA_LoopWellHybrid>(),
    .min_temp = number_field<&ProjectRec::GeoA_LoopMinTemp>(),
    .max_temp = number_field<&ProjectRec::GeoA_LoopMaxTemp>(),
    .auto_size = number_field<&ProjectRec::GeoA_AutoSize>(),
    .aux_id = number_field<&ProjectRec::GeoA_AuxId>(),
    .aux_input = number_field<&ProjectRec::GeoA_AuxInput>(),
    .water_heater_id = number_field<&ProjectRec::GeoA_WaterHeaterId>(),
    .aux_mode = number_field<&ProjectRec::GeoA_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoA_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoA_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoA_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoA_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoA_WaterHeaterName>()};

inline constexpr GeoBlock kGeoBBlock{
    .system_code = 2,
    .result_sheet = model::kGbqSheet,
    .bin_view_code = 2,
    .caption = "Pellavan B",
    .joiner = " and ",
    .depth_rounded_in_metres = false,
    .input_slot = 25,
    .minimum_slot = 26,
    .unit_id = number_field<&ProjectRec::GeoB_UnitId>(),
    .tons = number_field<&ProjectRec::GeoB_Tons>(),
    .loop_id = number_field<&ProjectRec::GeoB_LoopId>(),
    .soil_id = number_field<&ProjectRec::GeoB_SoilId>(),
    .depth = number_field<&ProjectRec::GeoB_Depth>(),
    .bore = number_field<&ProjectRec::GeoB_BoreLength>(),
    .hw_generator = number_field<&ProjectRec::GeoB_HwGenerator>(),
    .loop_hybrid = number_field<&ProjectRec::GeoB_LoopWellHybrid>(),
    .min_temp = number_field<&ProjectRec::GeoB_LoopMinTemp>(),
    .max_temp = number_field<&ProjectRec::GeoB_LoopMaxTemp>(),
    .auto_size = number_field<&ProjectRec::GeoB_AutoSize>(),
    .aux_id = number_field<&ProjectRec::GeoB_AuxId>(),
    .aux_input = number_field<&ProjectRec::GeoB_AuxInput>(),
    .water_heater_id = number_field<&ProjectRec::GeoB_WaterHeaterId>(),
    .aux_mode = number_field<&ProjectRec::GeoB_AuxMode>(),
    .unit_name = text_field<&ProjectRec::GeoB_UnitName>(),
    .loop_name = text_field<&ProjectRec::GeoB_LoopName>(),
    .soil_name = text_field<&ProjectRec::GeoB_SoilName>(),
    .aux_name = text_field<&ProjectRec::GeoB_AuxName>(),
    .water_heater_name = text_field<&ProjectRec::GeoB_WaterHeaterName>()};

}  // namespace pellavan::geo
