#pragma once
// The validation of the Geo A and Geo B blocks: one table, run on the stored block in the
// display modes of the unit options. The metric lengths accept every value the imperial ones
// do: a bore of 15 m (stored as 49 ft), a depth of 77 m, a vertical depth of 25 ft (7.62 m, 7.6
// where the depth is checked at one decimal) or 250 ft (76.2 m). Loop temperatures in °C pass
// exactly the range their message states (-6 to 10, 29 to 40), read to the half degree shown. The
// kW input and its calculated minimum are compared at the one decimal the window shows them, so a
// minimum the window proposes passes Run. Each row names the box it checks: a refusal gives
// that box the focus, and a box whose text shows no number is refused by its first row that
// applies.

#include <array>
#include <span>
#include <string>

#include "model/input/range_check.h"
#include "model/records/project_rec.h"
#include "systems/geo/geo_block.h"

namespace pellavan::geo {

enum GeoValue {
  kTons = 1,
  kDepth,
  kBore,
  kAuxInput,
  kAuxInputKw,
  kMinTemp,
  kMaxTemp,
  kAuxInputShownKw,
  kSecondUnitTons,
};
enum GeoCondition {
  kHorizontalLoop = 1,
  kVerticalLoop,
  kBoreGiven,
  kFuelFired,
  kAutoSized,
  kTandem,
};
enum GeoBound { kMinimumInput = 1 };

// The boxes of one window the rows name; Geo A adds its second unit's quantity.
struct GeoBoxes {
  model::ControlRef tons, depth, bore, input, min_temp, max_temp;
};

// The smallest bore stored from a 15 m entry (49 ft), in metres.
inline constexpr double kShortestMetricBore = 49 * 0.3048;

// The shallowest vertical depth stored in feet, 25 ft, at the one decimal Geo A checks.
inline constexpr double kShallowestMetricVertical = 7.6;

// The block's rows in the order they run; the first checks the quantity.
[[nodiscard]] constexpr std::array<model::RangeCheck, 11> geo_rows(const GeoBoxes& b,
                                                                   const GeoBlock& block) {
  using model::Checked;
  using model::Quantity;
  using model::Range;
  return {{
      {.name = "quantity",
       .field = block.tons,
       .value = kTons,
       .imperial = {0.1, 99},
       .text = "Tons Outside of Valid Range of .1 - 99",
       .focus = b.tons,
       .words = "Unit Quantity"},
      {.name = "depth",
       .field = block.depth,
       .value = kDepth,
       .quantity = Quantity::Length,
       .imperial = {2, 250},
       .metric = Range{0.6, 77},
       .text = "Average Depth Outside of Valid Range of 2 - 250",
       .metric_text = "Average Depth Outside of Valid Range of .6 - 77",
       .focus = b.depth,
       .words = "Average Depth"},
      {.name = "depth, horizontal loop",
       .field = block.depth,
       .value = kDepth,
       .quantity = Quantity::Length,
       .when = kHorizontalLoop,
       .imperial = {2, 25},
       .metric = Range{0.6, 8},
       .text = "Average Depth Outside of Valid Horz/Slinky Range of 2 - 25",
       .metric_text = "Average Depth Outside of Valid Horz/Slinky Range of .6 - 8",
       .focus = b.depth,
       .words = "Average Depth"},
      {.name = "depth, vertical loop",
       .field = block.depth,
       .value = kDepth,
       .quantity = Quantity::Length,
       .when = kVerticalLoop,
       .imperial = {25, 250},
       .metric = Range{kShallowestMetricVertical, 250 * 0.3048},
       .text = "Average Depth Outside of Valid Vertical Range of 25 - 250",
       .metric_text = "Average Depth Outside of Valid Vertical Range of 8 - 76",
       .focus = b.depth,
       .words = "Average Depth"},
      {.name = "bore length",
       .field = block.bore,
       .value = kBore,
       .quantity = Quantity::Length,
       .when = kBoreGiven,
       .imperial = {50, 20000},
       .metric = Range{kShortestMetricBore, 6096},
       .text = "Bore/Trench Outside of Valid Range of 50 - 20000",
       .metric_text = "Bore/Trench Outside of Valid Range of 15 - 6096",
       .focus = b.bore,
       .words = "Bore/Trench Length"},
      {.name = "input",
       .field = block.aux_input,
       .value = kAuxInput,
       .quantity = Quantity::Capacity,
       .when = kFuelFired,
       .checked = Checked::InImperialOnly,
       .imperial = {1000, 4000000},
       .text = "Furnace Input Outside of Valid Range of 1000 - 4000000",
       .focus = b.input,
       .words = "Furnace Input"},
      {.name = "input minimum",
       .field = block.aux_input,
       .value = kAuxInput,
       .quantity = Quantity::Capacity,
       .when = kFuelFired,
       .checked = Checked::InImperialOnly,
       .imperial = {.low_from = kMinimumInput},
       .text = "Furnace Input Capacity Below Calculated Minimum of {low}",
       .focus = b.input},
      {.name = "input minimum, kW",
       .field = block.aux_input,
       .value = kAuxInputShownKw,
       .quantity = Quantity::Capacity,
       .when = kFuelFired,
       .checked = Checked::InMetricOnly,
       .imperial = {.low_from = kMinimumInput},
       .text = "Furnace Input Capacity Below Calculated Minimum of {low}",
       .bounds_shown = model::BoundText::OneDecimal,
       .focus = b.input},
      {.name = "input, kW",
       .field = block.aux_input,
       .value = kAuxInputKw,
       .quantity = Quantity::Capacity,
       .when = kFuelFired,
       .checked = Checked::InMetricOnly,
       .imperial = {0.3, 1171},
       .text = "Furnace Input Outside of Valid Range of 0.3 - 1171",
       .focus = b.input,
       .words = "Furnace Input"},
      {.name = "minimum loop temperature",
       .field = block.min_temp,
       .value = kMinTemp,
       .quantity = Quantity::Temperature,
       .when = kAutoSized,
       .imperial = {20, 50},
       .metric = Range{-6, 10},
       .text = "Minimum Loop Temp Outside of Valid Range of {low} - {high}",
       .focus = b.min_temp,
       .words = "Minimum Loop Temp"},
      {.name = "maximum loop temperature",
       .field = block.max_temp,
       .value = kMaxTemp,
       .quantity = Quantity::Temperature,
       .when = kAutoSized,
       .imperial = {85, 105},
       .metric = Range{29, 40},
       .text = "Maximum Loop Temp Outside of Valid Range of {low} - {high}",
       .focus = b.max_temp,
       .words = "Maximum Loop Temp"},
  }};
}

// Geo A's second unit in a tandem mode: any quantity, but a number.
[[nodiscard]] constexpr model::RangeCheck second_unit_row(model::ControlRef box) {
  return {.name = "second unit quantity",
          .field = model::number_field<&model::ProjectRec::GeoA_Unit2Tons>(),
          .value = kSecondUnitTons,
          .when = kTandem,
          .text = "Second Unit Tons Must Be a Number",
          .focus = box};
}

// Geo T's quantity: any above 0 up to 99, in place of the first row.
[[nodiscard]] constexpr model::RangeCheck geo_t_quantity_row(model::ControlRef box,
                                                             const GeoBlock& block) {
  return {.name = "quantity",
          .field = block.tons,
          .value = kTons,
          .imperial = {.low = 0, .high = 99, .above_low = true},
          .text = "Tons Outside of Valid Range of .1 - 99",
          .focus = box,
          .words = "Unit Quantity"};
}

// The block's rows without boxes.
[[nodiscard]] std::span<const model::RangeCheck> geo_checks(const GeoBlock& block);

// The block's values as the checks read them.
class GeoCheckValues : public model::CheckValues {
 public:
  GeoCheckValues(const GeoBlock& block, const model::ProjectRec& rec, std::string_view loop_text,
                 std::string_view heater_text, double minimum_btuh, double minimum_kw)
      : block_(block),
        rec_(rec),
        loop_(loop_text),
        heater_(heater_text),
        minimum_btuh_(minimum_btuh),
        minimum_kw_(minimum_kw) {}
  [[nodiscard]] double value(const model::RangeCheck& row, model::Display display) const override;
  [[nodiscard]] bool holds(const model::RangeCheck& row) const override;
  [[nodiscard]] double bound(const model::RangeCheck& row, int id,
                             model::Display display) const override;

 private:
  const GeoBlock& block_;
  const model::ProjectRec& rec_;
  std::string loop_;
  std::string heater_;
  double minimum_btuh_;
  double minimum_kw_;
};

}  // namespace pellavan::geo
