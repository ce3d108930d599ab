#pragma once
// The values the project-information window checks before every load calculation: what each
// row of its validation table reads from the project record (stored units; kW rows at the one
// decimal the window shows), the ratio-mode condition and the sensible-load bounds.

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

// A capacity in kW as the window shows it (one decimal).
[[nodiscard]] double shown_kw(double btuh);

}  // namespace pellavan::loads
