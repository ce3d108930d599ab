#pragma once
// The system kinds chosen in the three comparison columns of a project: they enable the reports
// and the print boxes of their systems. A kind chosen in two columns counts once.

#include <bitset>

#include "model/project/system_type.h"
#include "model/records/project_rec.h"

namespace pellavan::reports {

class ChosenSystems {
 public:
  ChosenSystems() = default;
  [[nodiscard]] static ChosenSystems of(const model::ProjectRec& rec);

  void choose(model::SystemType kind);
  // The kind counts as not chosen; NoSystem drops every kind.
  void drop(model::SystemType kind);
  // Always true for NoSystem: what belongs to no system is always enabled.
  [[nodiscard]] bool has(model::SystemType kind) const;

 private:
  std::bitset<8> codes_;  // by SystemType code; codes that name no kind are never set
};

}  // namespace pellavan::reports
