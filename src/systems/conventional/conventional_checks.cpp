#include "systems/conventional/conventional_checks.h"

#include "model/units/rounding.h"

namespace pellavan::systems {

using model::Checked;
using model::kNoLimit;
using model::Quantity;
using model::Range;
using model::RangeCheck;

namespace {

constexpr double kImperialTop = 4000000;
constexpr double kFurnaceMetricTop = 1171;
constexpr double kHeatPumpMetricTop = 1172;

constexpr const char* kBelowMinimum = "Furnace Input Capacity Below Calculated Minimum of {low}";

// The rows of the furnace's input both windows check alike. An electric furnace's rows hold when
// the window says its input is checked in whole kW.
constexpr RangeCheck kEfficiencyRow{.name = "furnace efficiency",
                                    .value = kEfficiencyValue,
                                    .imperial = {0, kNoLimit, true},
                                    .text = "Furnace Efficiency Must Be Above 0"};
constexpr RangeCheck kElectricRow{.name = "electric input, kW",
                                  .value = kInputKwValue,
                                  .when = kElectric,
                                  .imperial = {1, 500},
                                  .text = "Furnace Input kW Outside of Valid Range of 1 - 500"};
constexpr RangeCheck kElectricMinimumRow{
    .name = "electric input minimum",
    .value = kInputKwValue,
    .when = kElectricMinimum,
    .imperial = {.low_from = kMinimumRaisedKw},
    .text = "Furnace Input Capacity Below Calculated Minimum of {low} kW"};
// The calculated minimum: in Btu/h, or in kW at the one decimal the window shows it.
constexpr RangeCheck minimum_row(bool kw) {
  return {.name = kw ? "input minimum, kW" : "input minimum, Btu/h",
          .value = kw ? kInputShownKwValue : kInputValue,
          .quantity = Quantity::Capacity,
          .when = kMinimumApplies,
          .checked = kw ? Checked::InMetricOnly : Checked::InImperialOnly,
          .imperial = {.low_from = kw ? kMinimumShownKw : kMinimumCapacity},
          .text = kBelowMinimum,
          .bounds_shown = kw ? model::BoundText::OneDecimal : model::BoundText::AsNeeded};
}

// The input's range: 1000 to 4,000,000 Btu/h, or 1 kW to the window's top.
constexpr RangeCheck input_row(double metric_top, const char* metric_text) {
  return {.name = "furnace input",
          .value = kInputValue,
          .quantity = Quantity::Capacity,
          .imperial = {1000, kImperialTop},
          .metric = Range{1, metric_top},
          .text = "Furnace Input Btu/hr Outside of Valid Range of 1000 - 4000000",
          .metric_text = metric_text};
}

constexpr RangeCheck kFurnaceChecks[] = {
    {.name = "air-conditioner capacity",
     .value = kCapacityValue,
     .quantity = Quantity::Capacity,
     .imperial = {1, 999999},
     .metric = Range{1, 293},
     .text = "A/C Capacity Outside of Valid Range of {low} - {high}"},
    kEfficiencyRow,
    kElectricRow,
    kElectricMinimumRow,
    input_row(kFurnaceMetricTop, "Furnace Input kW Outside of Valid Range of 1 - 1171"),
    minimum_row(false),
    minimum_row(true),
};

constexpr RangeCheck kHeatPumpChecks[] = {
    // 1 to 293 kW in every display, stated in the unit the box shows (293 kW = 1,000,009 Btu/h).
    {.name = "heat-pump capacity",
     .value = kCapacityValue,
     .quantity = Quantity::Capacity,
     .imperial = {3413, 1000009},
     .metric = Range{1, 293},
     .text = "ARI @ 95 Capacity Outside of Valid Range of {low} - {high}"},
    kEfficiencyRow,
    kElectricRow,
    kElectricMinimumRow,
    input_row(kHeatPumpMetricTop, "Furnace Input kW Outside of Valid Range of 1 - 1172"),
    minimum_row(false),
    minimum_row(true),
    {.name = "cut-off temperature",
     .value = kCutOffValue,
     .quantity = Quantity::Temperature,
     .imperial = {-10, 50},
     .metric = Range{-23, 10},
     .text = "Cut-Off Temp Outside of Valid Range of {low} to {high}",
     .metric_text = "Cut-Off Temp Outside of Valid Range of {low} to{high}"},
};

constexpr model::CheckTable kFurnaceTables[] = {{"furnace/boiler", kFurnaceChecks}};
constexpr model::CheckTable kHeatPumpTables[] = {{"heat pump", kHeatPumpChecks}};

double one_decimal(double x) { return model::round_half_even(x * 10.0) / 10.0; }

}  // namespace

std::span<const RangeCheck> furnace_checks() { return kFurnaceChecks; }
std::span<const RangeCheck> heat_pump_checks() { return kHeatPumpChecks; }
std::span<const model::CheckTable> furnace_check_tables() { return kFurnaceTables; }
std::span<const model::CheckTable> heat_pump_check_tables() { return kHeatPumpTables; }

double SystemCheckValues::value(const RangeCheck& row, model::Display display) const {
  const bool metric = display == model::Display::Metric;
  switch (row.value) {
    case kCapacityValue:
      return metric || row.quantity == Quantity::Plain ? f_.capacity / kBtuhPerKw : f_.capacity;
    case kEfficiencyValue: return f_.efficiency;
    case kInputKwValue: return f_.input / kBtuhPerKw;
    case kInputValue: return metric ? f_.input / kBtuhPerKw : f_.input;
    case kInputShownKwValue: return one_decimal(f_.input / kBtuhPerKw);
    case kCutOffValue: return metric ? model::celsius_checked(f_.cut_off) : f_.cut_off;
    default: return 0.0;
  }
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

std::optional<model::Refusal> check_furnace(const SystemFigures& figures,
                                            const model::UnitOptions& units) {
  return model::first_refusal(kFurnaceChecks, SystemCheckValues(figures, kFurnaceMetricTop), units);
}

std::optional<model::Refusal> check_heat_pump(const SystemFigures& figures,
                                              const model::UnitOptions& units) {
  return model::first_refusal(kHeatPumpChecks, SystemCheckValues(figures, kHeatPumpMetricTop),
                              units);
}

}  // namespace pellavan::systems
