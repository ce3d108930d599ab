#pragma once
// Names of the catalogues that do not depend on the edition, and the metric choice of the loop
// and soil catalogues.

#include <string_view>

#include "model/metric_flags.h"

namespace pellavan::model {

inline constexpr std::string_view kTUnitFile = "tUnitData.CEA";  // one file for every edition
// The same file as the analysis names it, and the messages about its records with it.
inline constexpr std::string_view kAnalysisTUnitFile = "TUnitData.CEA";
inline constexpr std::string_view kCityFile = "Citydata.CEA";

// "LoopDataM.CEA" with metric display unless feet are kept, else "LoopData.CEA".
[[nodiscard]] inline std::string_view loop_file_name(const MetricFlags& metric) {
  return metric(kMetricDisplay) != 0 && metric(kKeepFeet) == 0 ? "LoopDataM.CEA" : "LoopData.CEA";
}

// "SoilDataM.CEA" whenever metric display is on, else "SoilData.CEA".
[[nodiscard]] inline std::string_view soil_file_name(const MetricFlags& metric) {
  return metric(kMetricDisplay) != 0 ? "SoilDataM.CEA" : "SoilData.CEA";
}

}  // namespace pellavan::model
