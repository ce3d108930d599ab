#pragma once
// The validation tables of the furnace/boiler and heat-pump windows and the figures they check.
// Values are held in Btu/h and °F; the kW and °C rows compare at the precision the window
// shows, so a minimum the window proposes is accepted as shown. Each row names the box it checks:
// a refusal gives that box the focus, and a box whose text shows no number is refused by its
// first row that applies.

#include <array>
#include <span>

#include "model/input/range_check.h"
#include "systems/conventional/conventional_block.h"
#include "systems/conventional/minimum_input.h"

namespace pellavan::systems {

// What the rows check, in stored units.
struct SystemFigures {
  Int32 capacity = 0;       // the air conditioner's or the heat pump's rated capacity, Btu/h
  Int32 input = 0;          // the furnace's or backup's input, Btu/h
  double efficiency = 1.0;  // the furnace's full-load efficiency
  bool electric = false;    // an electric furnace whose input is checked in whole kW
  bool kw_display = false;
  MinimumInput minimum{};
  model::Int16 cut_off = 0;  // °F
};

enum CheckedValue : int {
  kCapacityValue = 1,
  kEfficiencyValue,
  kInputKwValue,
  kInputValue,
  kInputShownKwValue,
  kCutOffValue,
};
enum CalculatedBound : int { kMinimumRaisedKw = 1, kMinimumCapacity = 3, kMinimumShownKw = 5 };
enum CheckCondition : int {
  kElectric = 1,
  kElectricMinimum,
  kMinimumApplies,
};

inline constexpr double kImperialTop = 4000000;
inline constexpr double kFurnaceMetricTop = 1171;  // kW; the heat pump's input goes to 1172
inline constexpr double kHeatPumpMetricTop = 1172;

// The boxes of one window the rows name (the cut-off only in the heat pump's).
struct SystemBoxes {
  model::ControlRef capacity, input, cut_off;
};

namespace check_rows {

using model::Checked;
using model::Quantity;
using model::Range;
using model::RangeCheck;

// The rows of the furnace's input both windows check alike. An electric furnace's rows hold when
// the window says its input is checked in whole kW.
constexpr RangeCheck efficiency{.name = "furnace efficiency",
                                .value = kEfficiencyValue,
                                .imperial = {0, model::kNoLimit, true},
                                .text = "Furnace Efficiency Must Be Above 0"};
constexpr RangeCheck electric(const Number& field, model::ControlRef input) {
  return {.name = "electric input, kW",
          .field = field,
          .value = kInputKwValue,
          .when = kElectric,
          .imperial = {1, 500},
          .text = "Furnace Input kW Outside of Valid Range of 1 - 500",
          .focus = input,
          .words = "Furnace Input"};
}
constexpr RangeCheck electric_minimum(const Number& field, model::ControlRef input) {
  return {.name = "electric input minimum",
          .field = field,
          .value = kInputKwValue,
          .when = kElectricMinimum,
          .imperial = {.low_from = kMinimumRaisedKw},
          .text = "Furnace Input Capacity Below Calculated Minimum of {low} kW",
          .focus = input};
}
// The calculated minimum: in Btu/h, or in kW at the one decimal the window shows it.
constexpr RangeCheck minimum(bool kw, const Number& field, model::ControlRef input) {
  return {.name = kw ? "input minimum, kW" : "input minimum, Btu/h",
          .field = field,
          .value = kw ? kInputShownKwValue : kInputValue,
          .quantity = Quantity::Capacity,
          .when = kMinimumApplies,
          .checked = kw ? Checked::InMetricOnly : Checked::InImperialOnly,
          .imperial = {.low_from = kw ? kMinimumShownKw : kMinimumCapacity},
          .text = "Furnace Input Capacity Below Calculated Minimum of {low}",
          .bounds_shown = kw ? model::BoundText::OneDecimal : model::BoundText::AsNeeded,
          .focus = input};
}
// The input's range: 1000 to 4,000,000 Btu/h, or 1 kW to the window's top.
constexpr RangeCheck input(const Number& field, double metric_top, const char* metric_text,
                           model::ControlRef box) {
  return {.name = "furnace input",
          .field = field,
          .value = kInputValue,
          .quantity = Quantity::Capacity,
          .imperial = {1000, kImperialTop},
          .metric = Range{1, metric_top},
          .text = "Furnace Input Btu/hr Outside of Valid Range of 1000 - 4000000",
          .metric_text = metric_text,
          .focus = box,
          .words = "Furnace Input"};
}

}  // namespace check_rows

[[nodiscard]] constexpr std::array<model::RangeCheck, 7> furnace_rows(const SystemBoxes& b) {
  using namespace check_rows;
  return {{
      {.name = "air-conditioner capacity",
       .field = kFurnaceBlock.capacity,
       .value = kCapacityValue,
       .quantity = Quantity::Capacity,
       .imperial = {1, 999999},
       .metric = Range{1, 293},
       .text = "A/C Capacity Outside of Valid Range of {low} - {high}",
       .focus = b.capacity,
       .words = "A/C Capacity"},
      efficiency,
      electric(kFurnaceBlock.input, b.input),
      electric_minimum(kFurnaceBlock.input, b.input),
      input(kFurnaceBlock.input, kFurnaceMetricTop,
            "Furnace Input kW Outside of Valid Range of 1 - 1171", b.input),
      minimum(false, kFurnaceBlock.input, b.input),
      minimum(true, kFurnaceBlock.input, b.input),
  }};
}

[[nodiscard]] constexpr std::array<model::RangeCheck, 8> heat_pump_rows(const SystemBoxes& b) {
  using namespace check_rows;
  return {{
      // 1 to 293 kW in every display, stated in the unit the box shows (293 kW = 1,000,009
      // Btu/h).
      {.name = "heat-pump capacity",
       .field = kHeatPumpBlock.capacity,
       .value = kCapacityValue,
       .quantity = Quantity::Capacity,
       .imperial = {3413, 1000009},
       .metric = Range{1, 293},
       .text = "ARI @ 95 Capacity Outside of Valid Range of {low} - {high}",
       .focus = b.capacity,
       .words = "ARI @ 95 Capacity"},
      efficiency,
      electric(kHeatPumpBlock.input, b.input),
      electric_minimum(kHeatPumpBlock.input, b.input),
      input(kHeatPumpBlock.input, kHeatPumpMetricTop,
            "Furnace Input kW Outside of Valid Range of 1 - 1172", b.input),
      minimum(false, kHeatPumpBlock.input, b.input),
      minimum(true, kHeatPumpBlock.input, b.input),
      {.name = "cut-off temperature",
       .field = model::number_field<&model::ProjectRec::HeatPump_CutOffTemp>(),
       .value = kCutOffValue,
       .quantity = Quantity::Temperature,
       .imperial = {-10, 50},
       .metric = Range{-23, 10},
       .text = "Cut-Off Temp Outside of Valid Range of {low} to {high}",
       .metric_text = "Cut-Off Temp Outside of Valid Range of {low} to{high}",
       .focus = b.cut_off,
       .words = "Cut-Off Temp"},
  }};
}

// Whether the window checks an electric furnace's input in whole kW (the rows of kElectric).
[[nodiscard]] bool electric_checked_in_kw(const ConventionalBlock& block,
                                          const model::UnitOptions& units);

// The rows without boxes.
[[nodiscard]] std::span<const model::RangeCheck> furnace_checks();
[[nodiscard]] std::span<const model::RangeCheck> heat_pump_checks();

class SystemCheckValues : public model::CheckValues {
 public:
  SystemCheckValues(const SystemFigures& figures, double metric_top)
      : f_(figures), metric_top_(metric_top) {}
  [[nodiscard]] double value(const model::RangeCheck& row, model::Display display) const override;
  [[nodiscard]] bool holds(const model::RangeCheck& row) const override;
  [[nodiscard]] double bound(const model::RangeCheck& row, int id,
                             model::Display display) const override;

 private:
  const SystemFigures& f_;
  double metric_top_;  // the minimum is not checked from this many kW on
};

}  // namespace pellavan::systems
