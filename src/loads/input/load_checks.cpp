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
  const double stored = row.field.get(rec_);
  return row.quantity == model::Quantity::Capacity ? capacity(stored, display) : stored;
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
