#include "systems/geo/geo_checks.h"

#include <cmath>

#include "model/units/number_text.h"
#include "systems/geo/geo_blocks.h"
#include "systems/geo/geo_t_block.h"

namespace pellavan::geo {

namespace {

using model::RangeCheck;

constexpr double kMetresPerFoot = 0.3048;
double one_decimal(double v) { return std::round(v * 10.0) / 10.0; }
// A kW figure as the window shows it, "#.0".
double shown_kw(double kw) { return model::Val(model::format_fixed(kw, 1, false)); }

constexpr auto kGeoARows = geo_rows({}, kGeoABlock);
constexpr auto kGeoBRows = geo_rows({}, kGeoBBlock);
constexpr auto kGeoTRows = geo_rows({}, kGeoTBlock);

}  // namespace

std::span<const model::RangeCheck> geo_checks(const GeoBlock& block) {
  if (&block == &kGeoTBlock) return kGeoTRows;
  return &block == &kGeoBBlock ? std::span(kGeoBRows) : std::span(kGeoARows);
}

double GeoCheckValues::value(const RangeCheck& row, model::Display display) const {
  const bool metric = display == model::Display::Metric;
  const double stored = row.field.get(rec_);
  switch (static_cast<GeoValue>(row.value)) {
    case kDepth:
      if (!metric) return stored;
      return block_.depth_rounded_in_metres ? one_decimal(stored * kMetresPerFoot)
                                            : stored * kMetresPerFoot;
    case kBore: return metric ? stored * kMetresPerFoot : stored;
    case kAuxInputKw: return stored / 3413.0;
    case kAuxInputShownKw: return shown_kw(stored / 3413.0);
    case kMinTemp:
    case kMaxTemp: return metric ? model::celsius_checked(stored) : stored;
    case kTons:
    case kAuxInput:
    case kSecondUnitTons: return stored;
  }
  return stored;
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
