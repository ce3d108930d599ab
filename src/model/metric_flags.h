#pragma once
// MetricFlag: the unit options, each 0 or -1 (set), at the places named here (UnitOptions
// names the same options).

#include "model/record/field_types.h"

namespace pellavan::model {

enum MetricFlagIndex : int {
  kMetricDisplay = 0,
  kKeepFahrenheit = 1,
  kKeepBtuh = 2,
  kKeepFeet = 3,
  kGasPerGj = 4,
};

using MetricFlags = VbArray<Int16, kMetricDisplay, kGasPerGj>;

}  // namespace pellavan::model
