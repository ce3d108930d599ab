#pragma once
// The figures of a project file that its windows would refuse: a project arrives damaged or
// written by another program, and no window has checked what it holds. Each window's validation
// table is run on the stored values as the window runs it on Done or Run; a row is asked only
// when it names its figure in words and has fixed bounds (a minimum the window calculates is the
// window's to propose), and a figure the row takes in the other display counts as accepted (a
// project saved in one display is opened in the other). Each window tells its first refused
// figure, in one sentence:
// "Geo A Holds a Unit Quantity of 489,991,639,457,911, Which Is Out of Range -- Open the Geo A
// Window to Correct It".

#include <span>
#include <string>
#include <vector>

#include "model/input/range_check.h"
#include "model/input/record_field.h"
#include "model/project/system_type.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

struct StoredFigure {
  SystemType system = SystemType::NoSystem;  // NoSystem: the loads or the rates all systems share
  const char* window = "";                   // "Geo A", "Utility Information"
  const char* words = "";                    // "Unit Quantity"
  double shown = 0;                          // as the row compares it, in its display
  NumberField<ProjectRec> field{};           // where the record holds it
  bool binds_analysis = true;                // the analysis on it is unusable

  // The sentence that tells it.
  [[nodiscard]] std::string message() const;
};

// One window's table over the stored values: the window's name as the message gives it, the
// system it belongs to, and the record field each row's value is read from.
struct StoredTable {
  const char* window = "";
  SystemType system = SystemType::NoSystem;
  std::span<const RangeCheck> rows;
  NumberField<ProjectRec> (*field_of)(const RangeCheck& row) = nullptr;
};

// Appends the table's first refused figure, if any, to `found`.
void add_stored_figure(const StoredTable& table, const CheckValues& values,
                       const UnitOptions& units, std::vector<StoredFigure>& found);

}  // namespace pellavan::model
