#pragma once
// The values the project-information window checks before every load calculation: what each
// row of its validation table reads from the project record (stored units; in kW display the
// exact kW value of the stored Btu/h), the ratio-mode condition and the sensible-load bounds.

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
