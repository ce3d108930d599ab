#include "systems/geo/geo_checks.h"

#include <cmath>

#include "model/units/number_text.h"

namespace pellavan::geo {

namespace {

using model::Checked;
using model::Quantity;
using model::Range;
using model::RangeCheck;

constexpr double kMetresPerFoot = 0.3048;
// The smallest bore stored from a 15 m entry (49 ft), in metres.
constexpr double kShortestMetricBore = 49 * kMetresPerFoot;

constexpr RangeCheck kRows[] = {
    {.name = "quantity",
     .value = kTons,
     .imperial = {0.1, 99},
     .text = "Tons Outside of Valid Range of .1 - 99"},
    {.name = "depth",
     .value = kDepth,
     .quantity = Quantity::Length,
     .imperial = {2, 250},
     .metric = Range{0.6, 77},
     .text = "Average Depth Outside of Valid Range of 2 - 250",
     .metric_text = "Average Depth Outside of Valid Range of .6 - 77"},
    {.name = "depth, horizontal loop",
     .value = kDepth,
     .quantity = Quantity::Length,
     .when = kHorizontalLoop,
     .imperial = {2, 25},
     .metric = Range{0.6, 8},
     .text = "Average Depth Outside of Valid Horz/Slinky Range of 2 - 25",
     .metric_text = "Average Depth Outside of Valid Horz/Slinky Range of .6 - 8"},
    {.name = "depth, vertical loop",
     .value = kDepth,
     .quantity = Quantity::Length,
     .when = kVerticalLoop,
     .imperial = {25, 250},
     .metric = Range{8, 76},
     .text = "Average Depth Outside of Valid Vertical Range of 25 - 250",
     .metric_text = "Average Depth Outside of Valid Vertical Range of 8 - 76"},
    {.name = "bore length",
     .value = kBore,
     .quantity = Quantity::Length,
     .when = kBoreGiven,
     .imperial = {50, 20000},
     .metric = Range{kShortestMetricBore, 6096},
     .text = "Bore/Trench Outside of Valid Range of 50 - 20000",
     .metric_text = "Bore/Trench Outside of Valid Range of 15 - 6096"},
    {.name = "input",
     .value = kAuxInput,
     .quantity = Quantity::Capacity,
     .when = kFuelFired,
     .checked = Checked::InImperialOnly,
     .imperial = {1000, 4000000},
     .text = "Furnace Input Outside of Valid Range of 1000 - 4000000"},
    {.name = "input minimum",
     .value = kAuxInput,
     .quantity = Quantity::Capacity,
     .when = kFuelFired,
     .checked = Checked::InImperialOnly,
     .imperial = {.low_from = kMinimumInput},
     .text = "Furnace Input Capacity Below Calculated Minimum of {low}"},
    {.name = "input minimum, kW",
     .value = kAuxInputShownKw,
     .quantity = Quantity::Capacity,
     .when = kFuelFired,
     .checked = Checked::InMetricOnly,
     .imperial = {.low_from = kMinimumInput},
     .text = "Furnace Input Capacity Below Calculated Minimum of {low}",
     .bounds_shown = model::BoundText::OneDecimal},
    {.name = "input, kW",
     .value = kAuxInputKw,
     .quantity = Quantity::Capacity,
     .when = kFuelFired,
     .checked = Checked::InMetricOnly,
     .imperial = {0.3, 1171},
     .text = "Furnace Input Outside of Valid Range of 0.3 - 1171"},
    {.name = "minimum loop temperature",
     .value = kMinTemp,
     .quantity = Quantity::Temperature,
     .when = kAutoSized,
     .imperial = {20, 50},
     .metric = Range{-6, 10},
     .text = "Minimum Loop Temp Outside of Valid Range of {low} - {high}"},
    {.name = "maximum loop temperature",
     .value = kMaxTemp,
     .quantity = Quantity::Temperature,
     .when = kAutoSized,
     .imperial = {85, 105},
     .metric = Range{29, 40},
     .text = "Maximum Loop Temp Outside of Valid Range of {low} - {high}"},
};

double one_decimal(double v) { return std::round(v * 10.0) / 10.0; }
// A kW figure as the window shows it, "#.0".
double shown_kw(double kw) { return model::Val(model::format_fixed(kw, 1, false)); }

}  // namespace

const model::CheckTable kGeoCheckTables[1] = {{"geothermal checks", kRows}};
std::span<const model::RangeCheck> geo_checks() { return kRows; }

double GeoCheckValues::value(const RangeCheck& row, model::Display display) const {
  const bool metric = display == model::Display::Metric;
  switch (row.value) {
    case kTons: return block_.tons.get(rec_);
    case kDepth: {
      const double feet = block_.depth.get(rec_);
      if (!metric) return feet;
      return block_.depth_rounded_in_metres ? one_decimal(feet * kMetresPerFoot)
                                            : feet * kMetresPerFoot;
    }
    case kBore: {
      const double feet = block_.bore.get(rec_);
      return metric ? feet * kMetresPerFoot : feet;
    }
    case kAuxInput: return block_.aux_input.get(rec_);
    case kAuxInputKw: return block_.aux_input.get(rec_) / 3413.0;
    case kAuxInputShownKw: return shown_kw(block_.aux_input.get(rec_) / 3413.0);
    case kMinTemp:
      return metric ? model::celsius_checked(block_.min_temp.get(rec_)) : block_.min_temp.get(rec_);
    case kMaxTemp:
      return metric ? model::celsius_checked(block_.max_temp.get(rec_)) : block_.max_temp.get(rec_);
    default: return 0.0;
  }
}

bool GeoCheckValues::holds(const RangeCheck& row) const {
  switch (row.when) {
    case 0: return true;
    case kHorizontalLoop: return loop_kind(loop_) == LoopKind::Horizontal;
    case kVerticalLoop: return loop_kind(loop_) == LoopKind::Vertical;
    case kBoreGiven: return block_.auto_size.get(rec_) == 0;
    case kAutoSized: return block_.auto_size.get(rec_) == 1;
    case kFuelFired: return !electric_heater(heater_);
    default: return false;
  }
}

double GeoCheckValues::bound(const RangeCheck& /*row*/, int /*id*/, model::Display display) const {
  return display == model::Display::Metric ? shown_kw(minimum_kw_) : minimum_btuh_;
}

}  // namespace pellavan::geo
