#pragma once
// What the furnace/boiler and heat-pump windows share of their project blocks: the block's fields
// and facts from the system table (model/project/system_kinds.h), and the memo slots and the few
// rules in which the two windows differ. The windows' shared routines work on a ConventionalBlock.

#include "model/input/record_field.h"
#include "model/project/system_kinds.h"

namespace pellavan::systems {

using Number = model::NumberField<model::ProjectRec>;
using Name = model::TextField<model::ProjectRec>;

// The window's own rules of a system, beside what the system table holds.
struct ConventionalRules {
  bool zoom_back_after_fill = false;  // the reports control's zoom to 100 once filled
  int capacity_slot = 0;              // kW memo slots
  int input_slot = 0;
  int minimum_slot = 0;
  const char* capacity_unit = "";  // the capacity's unit caption in Btu/h display
  int electric_input_length = 0;   // characters of an electric furnace's input in Btu/h display
  // An electric furnace's minimum in Btu/h display shown in whole kW raised, else to the nearest.
  bool electric_minimum_raised = false;
  // kW display: every furnace choice sets the input to the minimum, else only raises it.
  bool kw_input_set_to_minimum = false;
  // An electric furnace's input restored in whole kW in kW display too, else in Btu/h display only.
  bool electric_input_in_kw_always = false;
  // A capacity typed in kW read at the one decimal the field shows.
  bool capacity_read_at_one_decimal = false;
  // An electric furnace's input checked in whole kW only with the metric display and the kept
  // Btu/h both off, else whenever capacities show in Btu/h.
  bool electric_checked_in_kw_without_options = false;
};

// The system's record block (from its row of the system table) with the window's rules.
struct ConventionalBlock : model::ConventionalRecordBlock, ConventionalRules {
  const model::SystemKind* kind = nullptr;
};

[[nodiscard]] constexpr ConventionalBlock conventional_block(const model::SystemKind& kind,
                                                             ConventionalRules rules) {
  return ConventionalBlock{{*kind.conventional}, rules, &kind};
}

inline constexpr ConventionalBlock kFurnaceBlock =
    conventional_block(model::kFurnace, {.capacity_slot = 45,
                                         .input_slot = 40,
                                         .minimum_slot = 16,
                                         .capacity_unit = "Btu/hr",
                                         .electric_input_length = 4,
                                         .kw_input_set_to_minimum = true,
                                         .capacity_read_at_one_decimal = true});

inline constexpr ConventionalBlock kHeatPumpBlock =
    conventional_block(model::kHeatPump, {.zoom_back_after_fill = true,
                                          .capacity_slot = 35,
                                          .input_slot = 30,
                                          .minimum_slot = 36,
                                          .capacity_unit = "Btu/Hr",
                                          .electric_input_length = 3,
                                          .electric_minimum_raised = true,
                                          .electric_input_in_kw_always = true,
                                          .electric_checked_in_kw_without_options = true});

}  // namespace pellavan::systems
