#include "loads/input/load_checks.h"

#include "model/units/rounding.h"
#include "model/units/unit_constants.h"

namespace pellavan::loads {

using model::Display;

namespace {

constexpr auto kRows = load_rows({});

double capacity(double btuh, Display display) {
  return display == Display::Metric ? btuh / model::kBtuhPerKw : btuh;
}

}  // namespace

std::span<const model::RangeCheck> load_checks() { return kRows; }

double LoadCheckValues::value(const model::RangeCheck& row, Display display) const {
  const model::ProjectRec& p = rec_;
  switch (row.value) {
    case kHeatLoad: return capacity(p.Loads_HeatLoad, display);
    case kHeatDeltaT: return p.Loads_HeatDeltaT;
    case kCoolLoad: return capacity(p.Loads_CoolLoad, display);
    case kCoolDeltaT: return p.Loads_CoolDeltaT;
    case kDhwTemp: return p.Loads_DhwTemp;
    case kDhwUsers: return p.Loads_DhwUsers;
    case kHeatSetPoint: return p.Loads_HeatSetPoint;
    case kCoolSetPoint: return p.Loads_CoolSetPoint;
    case kCoolStart: return p.Loads_CoolStart;
    case kSensibleRatio: return p.Loads_SensibleRatio.to_double();
    case kSensibleLoad: return capacity(p.Loads_SensibleLoad, display);
    default: return 0.0;
  }
}

bool LoadCheckValues::holds(const model::RangeCheck& row) const {
  return row.when != kRatioMode || rec_.Loads_SensibleMode == 1;
}

double LoadCheckValues::bound(const model::RangeCheck& /*row*/, int id, Display display) const {
  // Whole Btu/h, or whole kW in kW display.
  const double share = id == kSensibleLow ? kLowestRatio : kHighestRatio;
  return model::round_half_even(capacity(rec_.Loads_CoolLoad, display) * share);
}

}  // namespace pellavan::loads
