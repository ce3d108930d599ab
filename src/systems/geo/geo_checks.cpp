#include "systems/geo/geo_checks.h"

#include <cmath>

#include "model/units/number_text.h"

namespace pellavan::geo {

namespace {

using model::RangeCheck;

constexpr double kMetresPerFoot = 0.3048;
constexpr auto kRows = geo_rows({});

double one_decimal(double v) { return std::round(v * 10.0) / 10.0; }
// A kW figure as the window shows it, "#.0".
double shown_kw(double kw) { return model::Val(model::format_fixed(kw, 1, false)); }

}  // namespace

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
    case kSecondUnitTons: return rec_.GeoA_Unit2Tons.to_double();
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
    case kTandem: return rec_.GeoA_Tandem == 1;
    default: return false;
  }
}

double GeoCheckValues::bound(const RangeCheck& /*row*/, int /*id*/, model::Display display) const {
  return display == model::Display::Metric ? shown_kw(minimum_kw_) : minimum_btuh_;
}

}  // namespace pellavan::geo
