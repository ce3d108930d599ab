#pragma once
// Names of the catalogues that do not depend on the edition, and the metric choice of the loop
// and soil catalogues. MetricFlag holds the unit options, each 0 or -1 (set): (0) metric display,
// (1) keep °F, (2) keep Btu/h, (3) keep feet, (4) gas priced per GJ.

#include <string_view>

#include "model/record/field_types.h"

namespace pellavan::model {

using MetricFlags = VbArray<Int16, 0, 4>;

inline constexpr std::string_view kTUnitFile = "tUnitData.CEA";  // one file for every edition
inline constexpr std::string_view kCityFile = "Citydata.CEA";

// "LoopDataM.CEA" with metric display unless feet are kept, else "LoopData.CEA".
[[nodiscard]] inline std::string_view loop_file_name(const MetricFlags& metric) {
  return metric(0) != 0 && metric(3) == 0 ? "LoopDataM.CEA" : "LoopData.CEA";
}

// "SoilDataM.CEA" whenever metric display is on, else "SoilData.CEA".
[[nodiscard]] inline std::string_view soil_file_name(const MetricFlags& metric) {
  return metric(0) != 0 ? "SoilDataM.CEA" : "SoilData.CEA";
}

}  // namespace pellavan::model
