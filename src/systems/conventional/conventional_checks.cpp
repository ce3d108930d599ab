#include "systems/conventional/conventional_checks.h"

#include "model/units/rounding.h"

namespace pellavan::systems {

using model::Quantity;
using model::RangeCheck;

namespace {

constexpr auto kFurnaceChecks = furnace_rows({});
constexpr auto kHeatPumpChecks = heat_pump_rows({});

double one_decimal(double x) { return model::round_half_even(x * 10.0) / 10.0; }

}  // namespace

bool electric_checked_in_kw(const ConventionalBlock& block, const model::UnitOptions& units) {
  if (block.electric_checked_in_kw_without_options) return !units.metric && !units.keep_btuh;
  return units.display_of(Quantity::Capacity) == model::Display::Imperial;
}

std::span<const RangeCheck> furnace_checks() { return kFurnaceChecks; }
std::span<const RangeCheck> heat_pump_checks() { return kHeatPumpChecks; }

double SystemCheckValues::value(const RangeCheck& row, model::Display display) const {
  const bool metric = display == model::Display::Metric;
  switch (static_cast<CheckedValue>(row.value)) {
    case kCapacityValue:
      return metric || row.quantity == Quantity::Plain ? f_.capacity / kBtuhPerKw : f_.capacity;
    case kEfficiencyValue: return f_.efficiency;
    case kInputKwValue: return f_.input / kBtuhPerKw;
    case kInputValue: return metric ? f_.input / kBtuhPerKw : f_.input;
    case kInputShownKwValue: return one_decimal(f_.input / kBtuhPerKw);
    case kCutOffValue: return metric ? model::celsius_checked(f_.cut_off) : f_.cut_off;
  }
  return 0.0;
}

bool SystemCheckValues::holds(const RangeCheck& row) const {
  const bool known = f_.minimum.known;
  switch (row.when) {
    case kElectric: return f_.electric;
    case kElectricMinimum: return f_.electric && known;
    case kMinimumApplies:
      return known &&
             (f_.kw_display ? f_.minimum.kw < metric_top_ : f_.minimum.capacity < kImperialTop);
    default: return true;
  }
}

double SystemCheckValues::bound(const RangeCheck& /*row*/, int id,
                                model::Display /*display*/) const {
  switch (id) {
    case kMinimumRaisedKw: return f_.minimum.raised_kw;
    case kMinimumCapacity: return f_.minimum.capacity;
    case kMinimumShownKw: return one_decimal(f_.minimum.kw);
    default: return 0.0;
  }
}

}  // namespace pellavan::systems
