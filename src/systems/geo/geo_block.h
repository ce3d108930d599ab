#pragma once
// What the Geo A and Geo B windows share of their project blocks: the fields every geothermal
// block has, named once per system, and the system's code, result sheet, bin view and memo
// slots. The rules of the windows work on a GeoBlock, so one routine serves both systems.

#include <string>
#include <string_view>

#include "model/input/record_field.h"
#include "model/report_workbook_sheets.h"
#include "model/records/project_rec.h"

namespace pellavan::geo {

using Number = model::NumberField<model::ProjectRec>;
using Name = model::TextField<model::ProjectRec>;

struct GeoBlock {
  int system_code = 0;    // SystemType of the comparison columns this system rewrites
  int result_sheet = 0;   // compact result panel (GAQ, GBQ, GTQ)
  int bin_view_code = 0;  // the bin viewer's view of this system
  const char* caption = "";
  const char* joiner = " / ";           // between the unit and loop names of the description
  bool depth_rounded_in_metres = true;  // the metric depth is checked at one decimal
  int input_slot = 0;                   // kW memo slot of the input capacity
  int minimum_slot = 0;                 // kW memo slot of the calculated minimum
  Number unit_id, tons, loop_id, soil_id, depth, bore, hw_generator, loop_hybrid;
  Number min_temp, max_temp, auto_size, aux_id, aux_input, water_heater_id, aux_mode;
  Name unit_name, loop_name, soil_name, aux_name, water_heater_name;
};

// "Horz"/"Slinky", "Vert" or neither, by the start of the trimmed loop name, case ignored.
enum class LoopKind { Horizontal, Vertical, Other };
[[nodiscard]] LoopKind loop_kind(std::string_view loop_name);
// Open loops: names beginning "Well Water" or "Pond".
[[nodiscard]] bool open_loop(std::string_view loop_name);
[[nodiscard]] bool is_well_water(std::string_view loop_name);
[[nodiscard]] bool electric_heater(std::string_view heater_name);
// Water heaters of the full hot-water modes: names containing "Geo" in any letter case.
[[nodiscard]] bool full_hot_water_heater(std::string_view heater_name);
// Case-blind prefix test on the trimmed text.
[[nodiscard]] bool starts_with_ci(std::string_view text, std::string_view prefix);
[[nodiscard]] bool equal_ci(std::string_view a, std::string_view b);
[[nodiscard]] std::string_view trimmed(std::string_view text);

// Unit types 2, 3 and 5 take a quantity; the others are single units.
[[nodiscard]] constexpr bool quantity_shown(int unit_type) {
  return unit_type == 2 || unit_type == 3 || unit_type == 5;
}
// Unit types 1 and 3 may run as a loop/well hybrid.
[[nodiscard]] constexpr bool hybrid_capable(int unit_type) {
  return unit_type == 1 || unit_type == 3;
}

// The soil picture follows the loop: vertical or horizontal, the metric drawings in metric.
[[nodiscard]] std::string soil_picture(std::string_view loop_name, bool metric_display);

// The description of the comparison columns: unit, [second unit,] loop joined by `joiner`.
[[nodiscard]] std::string describe(std::string_view unit, std::string_view second_unit,
                                   std::string_view loop, std::string_view joiner);
// Writes the description into every unfrozen comparison column of the system's code; returns
// how many columns took it.
int write_descriptions(model::ProjectRec& rec, int system_code, std::string_view description);

}  // namespace pellavan::geo
