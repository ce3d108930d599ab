#pragma once
// The validation of the Geo A and Geo B blocks: one table, run on the stored block in the
// display modes of the unit options. The metric lengths accept every value the imperial ones
// do: a bore of 15 m (stored as 49 ft), a depth of 77 m. Loop temperatures in °C pass exactly
// the range their message states (-6 to 10, 29 to 40), read to the half degree shown. The kW
// input and its calculated minimum are compared at the one decimal the window shows them, so a
// minimum the window proposes passes Run.

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
};
enum GeoCondition { kHorizontalLoop = 1, kVerticalLoop, kBoreGiven, kFuelFired, kAutoSized };
enum GeoBound { kMinimumInput = 1 };

[[nodiscard]] std::span<const model::RangeCheck> geo_checks();
extern const model::CheckTable kGeoCheckTables[1];

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
