#pragma once
// The U-value of a loop in a soil: LoopRec.UValue(soil id), or (soil id + 15) for a loop/well
// hybrid. Soil ids come from catalogues and project files, so an index outside the array gives
// no value instead of reading past it.

#include <optional>

#include "model/record/field_types.h"
#include "model/records/loop_rec.h"

namespace pellavan::model {

inline constexpr int kHybridUValueOffset = 15;

[[nodiscard]] inline int u_value_index(Int16 soil_id, Int16 loop_well_hybrid) {
  return soil_id + (loop_well_hybrid == 1 ? kHybridUValueOffset : 0);
}

// std::nullopt when the index lies outside UValue's bounds 1..30.
[[nodiscard]] inline std::optional<Currency> loop_u_value(const LoopRec& loop, Int16 soil_id,
                                                          Int16 loop_well_hybrid) {
  const int index = u_value_index(soil_id, loop_well_hybrid);
  if (!decltype(LoopRec::UValue)::contains(index)) return std::nullopt;
  return loop.UValue(index);
}

}  // namespace pellavan::model
