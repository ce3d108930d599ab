#pragma once
// Validation tables: a window's range checks as ordered rows, run by one routine that reports
// the first value outside its range. A row names the record field it checks, how the window's
// CheckValues reads it (an id it understands), the kind of quantity whose display mode picks its
// bounds, the bounds of each mode (inclusive; a lower bound may be exclusive), an optional
// condition, the message of each mode, its title and icon, and the control to give the focus to.
//
//   constexpr RangeCheck kChecks[] = {
//       {.name = "heating load", .field = number_field<&ProjectRec::Loads_HeatLoad>(),
//        .value = kHeatLoad, .quantity = Quantity::Capacity, .imperial = {1000, 999999},
//        .metric = Range{0, 292},
//        .text = "Heating Load Outside of Valid Range of {low} - {high}"},
//       {.name = "depth, vertical loop", .field = block.depth, .value = kDepth,
//        .quantity = Quantity::Length, .when = kVerticalLoop, .imperial = {25, 250},
//        .metric = Range{8, 76},
//        .text = "Average Depth Outside of Valid Vertical Range of 25 - 250",
//        .metric_text = "Average Depth Outside of Valid Vertical Range of 8 - 76"},
//   };
//
// {low} and {high} in a message stand for the bounds of the display in use. A bound may be
// calculated by the window (a minimum input): its row names the bound's id in low_from or
// high_from.
//
// Temperatures: a °C value is checked as the window shows it (celsius_checked), against the
// whole degrees its message states, which a temperature row writes through {low} and {high}:
// "-6 - 10" accepts -6.0 and 10.0 and refuses -6.5 and 10.5.

#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string>

#include "model/input/control_ref.h"
#include "model/input/record_field.h"
#include "model/input/unit_options.h"
#include "model/records/project_rec.h"
#include "model/input/message_kinds.h"
#include "model/units/number_text.h"

namespace pellavan::model {

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

struct Range {
  double low = -kNoLimit;
  double high = kNoLimit;
  bool above_low = false;  // the lower bound itself is refused
  int low_from = 0;        // non-zero: the window calculates the lower bound
  int high_from = 0;
};

enum class Checked : std::uint8_t { InBothDisplays, InImperialOnly, InMetricOnly };

enum class BoundText : std::uint8_t {
  AsNeeded,    // "1000", "0.3"
  Grouped,     // "27,000": whole, with thousands separators
  OneDecimal,  // "#.0": ".5", "12.3"
};

struct RangeCheck {
  const char* name = "";
  NumberField<ProjectRec> field{};  // where the project holds the value
  int value = 0;                    // how the window's CheckValues reads it
  Quantity quantity = Quantity::Plain;
  int when = 0;  // a condition the window decides; 0 always holds
  Checked checked = Checked::InBothDisplays;
  Range imperial{};
  std::optional<Range> metric{};  // none: the imperial bounds in both displays
  const char* text = "";
  const char* metric_text = nullptr;  // none: `text` in both displays
  BoundText bounds_shown = BoundText::AsNeeded;
  const char* title = "Range Violation";
  MessageIcon icon = MessageIcon::Exclamation;
  ControlRef focus{};
  // The figure as a message about a stored value names it ("Unit Quantity"); a row without
  // words, or with a calculated bound, is not checked on a file's values (stored_figures.h).
  const char* words = nullptr;
  // The quantity the window's box shows the figure in, where the row checks it in stored units
  // (a set point the box shows in °C): the message shows it as the box does.
  std::optional<Quantity> shown_as{};
  // A stored value outside the row's range spoils the analysis that runs on it; false where the
  // analysis is sound on any value the window would refuse.
  bool binds_analysis = true;
};

struct CheckTable {
  const char* name = "";
  std::span<const RangeCheck> rows;
};

// What the rows check, as the window has it at the time of the check.
class CheckValues {
 public:
  virtual ~CheckValues() = default;
  // The row's value in the unit of the display.
  [[nodiscard]] virtual double value(const RangeCheck& row, Display display) const = 0;
  // Whether the row's condition holds.
  [[nodiscard]] virtual bool holds(const RangeCheck& row) const { return row.when == 0; }
  // A calculated bound: `id` is the row's low_from or high_from.
  [[nodiscard]] virtual double bound(const RangeCheck& row, int id, Display display) const;
  // A message of the value's own that refuses it in place of the row's; nothing for the row's.
  [[nodiscard]] virtual std::optional<std::string> own_message(const RangeCheck& row) const;
};

// A box whose text shows no number, as typed, with the comma that is the cause, if one is.
struct UnreadableBox {
  ControlRef box{};
  std::string text;
  Comma comma = Comma::None;
};

// A window's values with the boxes whose text shows no number (store_value said so): each row
// that gives such a box the focus refuses it, whatever was stored from it: with the comma's
// message where a comma is the cause, else with its own.
class UnreadableBoxes : public CheckValues {
 public:
  UnreadableBoxes(const CheckValues& values, std::span<const UnreadableBox> boxes)
      : values_(values), boxes_(boxes) {}
  [[nodiscard]] double value(const RangeCheck& row, Display display) const override;
  [[nodiscard]] bool holds(const RangeCheck& row) const override { return values_.holds(row); }
  [[nodiscard]] double bound(const RangeCheck& row, int id, Display display) const override {
    return values_.bound(row, id, display);
  }
  [[nodiscard]] std::optional<std::string> own_message(const RangeCheck& row) const override;

 private:
  [[nodiscard]] const UnreadableBox* box_of(const RangeCheck& row) const;

  const CheckValues& values_;
  std::span<const UnreadableBox> boxes_;
};

// The first refused value: its row (whose title and icon the message is shown with) and the
// message, the row's or the value's own.
struct Refusal {
  const RangeCheck* row = nullptr;
  std::string text;
};

// A stored °F value as a temperature row checks it in °C: to the nearest half degree, as shown.
[[nodiscard]] double celsius_checked(double fahrenheit);

// Whether `value` lies inside the range (a NaN never does).
[[nodiscard]] bool inside(double value, const Range& range);
// The row's bounds in a display, calculated bounds filled in.
[[nodiscard]] Range bounds_of(const RangeCheck& row, Display display, const CheckValues& values);
[[nodiscard]] bool checked_in(const RangeCheck& row, Display display);
// The row's message in a display with its bounds written in.
[[nodiscard]] std::string message_of(const RangeCheck& row, Display display, const Range& bounds);

// The first row, in table order, whose value lies outside its bounds in the display its
// quantity is shown in; nothing when every value passes.
[[nodiscard]] std::optional<Refusal> first_refusal(std::span<const RangeCheck> rows,
                                                   const CheckValues& values,
                                                   const UnitOptions& units);

}  // namespace pellavan::model
