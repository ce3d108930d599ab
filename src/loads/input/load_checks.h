#pragma once
// The values the project-information window checks before every load calculation: what each
// row of its validation table reads from the project record (stored units; in kW display the
// exact kW value of the stored Btu/h), the ratio-mode condition and the sensible-load bounds.

#include <array>
#include <span>

#include "model/input/range_check.h"
#include "model/records/project_rec.h"

namespace pellavan::loads {

enum LoadValue : int {
  kHeatLoad = 1,
  kHeatDeltaT,
  kCoolLoad,
  kCoolDeltaT,
  kDhwTemp,
  kDhwUsers,
  kHeatSetPoint,
  kCoolSetPoint,
  kCoolStart,
  kSensibleRatio,
  kSensibleLoad,
};

inline constexpr int kRatioMode = 1;  // the row applies while the ratio is entered

// Bounds of the sensible load: cooling load x 0.6 and x 0.99.
inline constexpr int kSensibleLow = 1;
inline constexpr int kSensibleHigh = 2;

inline constexpr double kLowestRatio = 0.60;
inline constexpr double kHighestRatio = 0.99;
// The ratio box refuses more than this on leaving it; Test_Data takes up to kHighestRatio.
inline constexpr double kHighestTypedRatio = 0.90;

// The boxes of the project-information window the rows name.
struct LoadBoxes {
  model::ControlRef heat_load, heat_delta_t, cool_load, cool_delta_t, hot_water, occupants,
      heat_set_point, cool_set_point, cool_start, ratio, sensible;
};

// Test_Data, in its order. A load in kW display is bounded as in Btu/h (1000 Btu/h is 0.3 kW);
// the sensible bounds in kW are taken at the one decimal the boxes show. The analysis is worked
// out at any hot-water temperature (the worked example's is 140 F).
[[nodiscard]] constexpr std::array<model::RangeCheck, 11> load_rows(const LoadBoxes& b) {
  using model::Quantity;
  using model::Range;
  return {{
      {.name = "heating load",
       .field = model::number_field<&model::ProjectRec::Loads_HeatLoad>(),
       .value = kHeatLoad,
       .quantity = Quantity::Capacity,
       .imperial = {1000, 999999},
       .metric = Range{0, 292},
       .text = "Heating Load Outside of Valid Range of {low} - {high}",
       .focus = b.heat_load,
       .words = "Heating Load"},
      {.name = "heating delta T",
       .field = model::number_field<&model::ProjectRec::Loads_HeatDeltaT>(),
       .value = kHeatDeltaT,
       .imperial = {10, 125},
       .text = "Heating Delta T Outside of Valid Range of 10 - 125",
       .focus = b.heat_delta_t,
       .words = "Heating Delta T",
       .shown_as = Quantity::TemperatureDifference},
      {.name = "cooling load",
       .field = model::number_field<&model::ProjectRec::Loads_CoolLoad>(),
       .value = kCoolLoad,
       .quantity = Quantity::Capacity,
       .imperial = {1000, 999999},
       .metric = Range{0, 292},
       .text = "Cooling Load Outside of Valid Range of {low} - {high}",
       .focus = b.cool_load,
       .words = "Cooling Load"},
      {.name = "cooling delta T",
       .field = model::number_field<&model::ProjectRec::Loads_CoolDeltaT>(),
       .value = kCoolDeltaT,
       .imperial = {5, 50},
       .text = "Cooling Delta T Outside of Valid Range of 5 - 50",
       .focus = b.cool_delta_t,
       .words = "Cooling Delta T",
       .shown_as = Quantity::TemperatureDifference},
      {.name = "hot water",
       .field = model::number_field<&model::ProjectRec::Loads_DhwTemp>(),
       .value = kDhwTemp,
       .quantity = Quantity::Temperature,
       .imperial = {120, 136},
       .text = "Hot Water Temp Outside of Valid Range of 120F - 136F",
       .metric_text = "Hot Water Temp Outside of Valid Range of 49C - 58C",
       .focus = b.hot_water,
       .words = "Hot Water Temp",
       .binds_analysis = false},
      {.name = "occupants",
       .field = model::number_field<&model::ProjectRec::Loads_DhwUsers>(),
       .value = kDhwUsers,
       .imperial = {0, 50},
       .text = "Number of Occupants Outside of Valid Range of 0 - 50",
       .focus = b.occupants,
       .words = "Number of Occupants"},
      {.name = "heating set point",
       .field = model::number_field<&model::ProjectRec::Loads_HeatSetPoint>(),
       .value = kHeatSetPoint,
       .imperial = {50, 80},
       .text = "Heating Set Point Outside of Valid Range of 50 - 80",
       .focus = b.heat_set_point,
       .words = "Heating Set Point",
       .shown_as = Quantity::Temperature},
      {.name = "cooling set point",
       .field = model::number_field<&model::ProjectRec::Loads_CoolSetPoint>(),
       .value = kCoolSetPoint,
       .imperial = {70, 90},
       .text = "Cooling Set Point Outside of Valid Range of 70 - 90",
       .focus = b.cool_set_point,
       .words = "Cooling Set Point",
       .shown_as = Quantity::Temperature},
      {.name = "start cooling",
       .field = model::number_field<&model::ProjectRec::Loads_CoolStart>(),
       .value = kCoolStart,
       .imperial = {20, 100},
       .text = "Start Cooling Point Outside of Valid Range of 20 - 100",
       .focus = b.cool_start,
       .words = "Start Cooling Point",
       .shown_as = Quantity::Temperature},
      {.name = "sensible ratio",
       .field = model::number_field<&model::ProjectRec::Loads_SensibleRatio>(),
       .value = kSensibleRatio,
       .when = kRatioMode,
       .imperial = {kLowestRatio, kHighestRatio},
       .text = "S/T Ratio Outside of Valid Range of .60 - .99",
       .title = model::kAppTitle,
       .icon = model::MessageIcon::None,
       .focus = b.ratio,
       .words = "S/T Ratio"},
      {.name = "sensible load",
       .field = model::number_field<&model::ProjectRec::Loads_SensibleLoad>(),
       .value = kSensibleLoad,
       .quantity = Quantity::Capacity,
       .imperial = {.low_from = kSensibleLow, .high_from = kSensibleHigh},
       .text = "Sensible Cooling Outside of Valid Range of {low} to {high}",
       .bounds_shown = model::BoundText::Grouped,
       .focus = b.sensible},
  }};
}

// The rows without boxes.
[[nodiscard]] std::span<const model::RangeCheck> load_checks();

class LoadCheckValues : public model::CheckValues {
 public:
  explicit LoadCheckValues(const model::ProjectRec& rec) : rec_(rec) {}
  [[nodiscard]] double value(const model::RangeCheck& row, model::Display display) const override;
  [[nodiscard]] bool holds(const model::RangeCheck& row) const override;
  [[nodiscard]] double bound(const model::RangeCheck& row, int id,
                             model::Display display) const override;

 private:
  const model::ProjectRec& rec_;
};

}  // namespace pellavan::loads
