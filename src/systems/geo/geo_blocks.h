#pragma once
// The Geo A and Geo B blocks of the project record as the shared geothermal rules see them.

#include "systems/geo/geo_block.h"

namespace pellavan::geo {

using model::number_field;
using model::ProjectRec;
using model::text_field;

inline constexpr GeoBlock kGeoABlock = geo_block(
    model::kGeoA,
    {.joiner = " / ", .depth_rounded_in_metres = true, .input_slot = 20, .minimum_slot = 21});

inline constexpr GeoBlock kGeoBBlock = geo_block(
    model::kGeoB,
    {.joiner = " and ", .depth_rounded_in_metres = false, .input_slot = 25, .minimum_slot = 26});

}  // namespace pellavan::geo
