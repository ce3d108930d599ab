#pragma once
// Unit bindings: a window's table of the number fields it shows, one row per text box, with the
// record field, the kind of quantity, its memo slot, the display formats and what leaving the
// box does. One show and one store routine convert every row by the unit options, so no window
// converts a value of its own:
//
//   constexpr UnitBinding kLoads[] = {
//       {.control = txtHload, .field = number_field<&ProjectRec::Loads_HeatLoad>(),
//        .quantity = Quantity::Capacity, .slot = 10},
//       {.control = txtHset, .field = number_field<&ProjectRec::Loads_HeatSetPoint>(),
//        .quantity = Quantity::Temperature, .slot = 31, .leave = Leave::RoundHalf},
//   };
//
// Every row has a slot of its own (shared_memo_slot finds two that share one); the slot keys
// KWMemo, the temperature memo and the field's shown text alike, so that a value shown and left
// unchanged is stored back exactly as it was.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "model/input/range_check.h"
#include "model/input/record_field.h"
#include "model/input/unit_options.h"
#include "model/records/project_rec.h"
#include "model/units/unit_memos.h"
#include "model/input/control_ref.h"

namespace pellavan::model {

// A display pattern: `decimals` places ("#.0" is {1, false}, "0.##0" {3, true}); decimals -1
// shows as many digits as the value needs ("50000", "2.5").
struct NumberFormat {
  int decimals = -1;
  bool leading_zero = true;
  bool half_to_even = false;  // with 0 decimals, halves go to the even neighbour ("100.5" -> "100")
};
inline constexpr NumberFormat kAsNeeded{};
inline constexpr NumberFormat kOneDecimal{1, false};  // "#.0"

enum class Leave : std::uint8_t {
  Keep,       // the text stays as typed
  RoundHalf,  // a °C entry becomes its nearest half degree ("40.3" -> "40.5")
};

struct UnitBinding {
  ControlRef control{};
  NumberField<ProjectRec> field{};
  Quantity quantity = Quantity::Plain;
  int slot = 0;
  NumberFormat imperial = kAsNeeded;
  NumberFormat metric = kOneDecimal;
  Leave leave = Leave::Keep;
};

// The text the box shows for the stored value (converted when its quantity is shown metric).
[[nodiscard]] std::string show_value(const UnitBinding& binding, const ProjectRec& rec,
                                     const UnitOptions& units, UnitMemos& memos);
// Whether the box shows its value with decimals in the display: its format's, or as needed for
// a field that holds decimals.
[[nodiscard]] Places places_of(const UnitBinding& binding, const UnitOptions& units);
// Stores the box's text: the shown value when the text is what was shown, else the entry read
// as typed (read_typed: "$1.90", "45,000") converted to the stored unit. The box when the text
// shows no number: the field keeps its value and the box is to be refused.
std::optional<UnreadableBox> store_value(const UnitBinding& binding, std::string_view text,
                                         ProjectRec& rec, const UnitOptions& units,
                                         UnitMemos& memos);
// The text after the box is left: the leave rule, where it applies in the display. A text that
// shows no number stays as typed, to be refused.
[[nodiscard]] std::string left_text(const UnitBinding& binding, std::string_view text,
                                    const UnitOptions& units);

// The first two rows that share a memo slot, or one with a slot outside 1..100 (paired with
// itself); nothing when every row has a slot of its own.
[[nodiscard]] std::optional<std::pair<std::size_t, std::size_t>> shared_memo_slot(
    std::span<const UnitBinding> bindings);

}  // namespace pellavan::model
