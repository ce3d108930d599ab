#pragma once
// The validation tables of the furnace/boiler and heat-pump windows and the figures they check.
// Values are held in Btu/h and °F; the kW and °C rows compare at the precision the window
// shows, so a minimum the window proposes is accepted as shown.

#include <span>

#include "model/input/range_check.h"
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

[[nodiscard]] std::span<const model::RangeCheck> furnace_checks();
[[nodiscard]] std::span<const model::RangeCheck> heat_pump_checks();
[[nodiscard]] std::span<const model::CheckTable> furnace_check_tables();
[[nodiscard]] std::span<const model::CheckTable> heat_pump_check_tables();

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

// The first refusal of the window's table, or nothing.
[[nodiscard]] std::optional<model::Refusal> check_furnace(const SystemFigures& figures,
                                                          const model::UnitOptions& units);
[[nodiscard]] std::optional<model::Refusal> check_heat_pump(const SystemFigures& figures,
                                                            const model::UnitOptions& units);

}  // namespace pellavan::systems
