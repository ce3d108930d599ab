#pragma once
// The figures of a project file that its windows would refuse, and the catalogue records its
// systems rest on that hold figures no unit can have or are not there at all: a project or a data
// file arrives damaged or written by another program, and no window has checked what it holds. Each
// window's validation table is run on the stored values as the window runs it on Done or Run, every
// row of it: a row is asked only when it names its figure in words and has fixed bounds (a minimum
// the window calculates is the window's to propose), and a figure the row takes in the other
// display counts as accepted (a project saved in one display is opened in the other). Each figure
// is told once, by the first row that refuses it, in one sentence that shows it as its window shows
// it: "Geo A Holds a Unit Quantity of 489,991,639,457,911, Which Is Out of Range -- Open the Geo A
// Window to Correct It".

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/input/range_check.h"
#include "model/input/record_field.h"
#include "model/project/system_type.h"
#include "model/record/field_types.h"
#include "model/records/project_rec.h"

namespace pellavan::model {

// What is wrong with a catalogue record a system rests on.
enum class RecordFault : std::uint8_t {
  kNone,     // a figure of the project, not a record
  kDamaged,  // it holds figures no unit can have
  kMissing,  // its catalogue has no whole record of that id
};

struct StoredFigure {
  SystemType system = SystemType::NoSystem;  // NoSystem: the loads or the rates all systems share
  const char* window = "";                   // "Geo A", "Utility Information"
  std::string words;                         // "Unit Quantity"; a record: "UnitData.CEA Record 11"
  std::string shown;                         // as its window shows it; empty for a record
  NumberField<ProjectRec> field{};           // where the record holds it; none for a record
  bool binds_analysis = true;                // the analysis on it is unusable
  RecordFault record = RecordFault::kNone;

  // The sentence that tells it.
  [[nodiscard]] std::string message() const;
  // What the Project Report prints in place of the system that rests on it.
  [[nodiscard]] std::string column_words() const;
};

// A catalogue record of that file and id that the analysis cannot run on, and how the Project
// Report and the windows name it: "UnitData.CEA Record 11 Is Damaged", "LoopData.CEA Record 77
// Is Missing".
[[nodiscard]] StoredFigure record_at_fault(RecordFault fault, SystemType system, const char* window,
                                           std::string_view file, Int16 id);
[[nodiscard]] std::string damaged_record_words(std::string_view file, Int16 id);

// One window's table over the stored values: the window's name as the message gives it, and
// the system it belongs to. Each row names the record field it reads.
struct StoredTable {
  const char* window = "";
  SystemType system = SystemType::NoSystem;
  std::span<const RangeCheck> rows;
};

// A setting a window holds in a control of fixed choices (a check box, an option, a list, a
// scroll bar), which can hold no value outside them: a row of the stored check alone.
[[nodiscard]] constexpr RangeCheck setting(const char* words, NumberField<ProjectRec> field,
                                           double low, double high) {
  return {.name = words, .field = field, .imperial = {low, high}, .words = words};
}

// The stored values as they are, for rows of settings.
class StoredValues : public CheckValues {
 public:
  explicit StoredValues(const ProjectRec& rec) : rec_(rec) {}
  [[nodiscard]] double value(const RangeCheck& row, Display /*display*/) const override {
    return row.field.get(rec_);
  }

 private:
  const ProjectRec& rec_;
};

// Appends each figure of the table its window would refuse to `found`, whatever rows come before
// it: a field refused by several rows once, by the first.
void add_stored_figures(const StoredTable& table, const CheckValues& values, const ProjectRec& rec,
                        const UnitOptions& units, std::vector<StoredFigure>& found);

// The one an open tells: the first that keeps something out of the analysis, else the first.
[[nodiscard]] const StoredFigure* told_first(std::span<const StoredFigure> found);

// Whether a field is one of the figures kept out, and the figure the analysis takes for it: 0
// for a kept-out one, else what the record holds.
[[nodiscard]] bool keeps_out(std::span<const StoredFigure> kept_out, NumberField<ProjectRec> field);
[[nodiscard]] double analysed_figure(std::span<const StoredFigure> kept_out,
                                     NumberField<ProjectRec> field, const ProjectRec& rec);

}  // namespace pellavan::model
