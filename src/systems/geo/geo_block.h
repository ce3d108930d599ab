#pragma once
// What the ground-source windows share of their project blocks: the block's fields and facts
// from the system table (model/project/system_kinds.h) and the window's memo slots and rules.
// The rules of the windows work on a GeoBlock, so one routine serves every system.

#include <string>
#include <string_view>

#include "model/catalogue/catalogue_scan.h"
#include "model/input/record_field.h"
#include "model/project/system_kinds.h"
#include "model/report_workbook_sheets.h"
#include "model/records/project_rec.h"

namespace pellavan::geo {

using Number = model::NumberField<model::ProjectRec>;
using Name = model::TextField<model::ProjectRec>;

// The window's own rules of a system, beside what the system table holds.
struct GeoWindowRules {
  const char* joiner = " / ";           // between the unit and loop names of the description
  bool depth_rounded_in_metres = true;  // the metric depth is checked at one decimal
  int input_slot = 0;                   // kW memo slot of the input capacity
  int minimum_slot = 0;                 // kW memo slot of the calculated minimum
};

// The system's record block (from its row of the system table) with the window's rules.
struct GeoBlock : model::GeoRecordBlock, GeoWindowRules {
  const model::SystemKind* kind = nullptr;
};

[[nodiscard]] constexpr GeoBlock geo_block(const model::SystemKind& kind, GeoWindowRules rules) {
  return GeoBlock{{*kind.geo}, rules, &kind};
}

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

// Why a unit's record cannot be used, as its window tells it: a damaged record named as the
// Project Report names it ("UnitData.CEA Record 11 Is Damaged"), else "Unit Data Not Found";
// empty when it was found.
[[nodiscard]] std::string unit_data_refusal(model::CatalogueLookup lookup, std::string_view file,
                                            model::Int16 id);

// The soil picture follows the loop: vertical or horizontal, the metric drawings in metric.
[[nodiscard]] std::string soil_picture(std::string_view loop_name, bool metric_display);
// The picture of the auxiliary-heat modes: an electric heater, sized to what the heat pump
// lacks, runs as in Supplement in either mode, and its picture says so.
[[nodiscard]] std::string aux_mode_picture(std::string_view heater_name);

// The description of the comparison columns: unit, [second unit,] loop joined by `joiner`.
[[nodiscard]] std::string describe(std::string_view unit, std::string_view second_unit,
                                   std::string_view loop, std::string_view joiner);
// Writes the description into every unfrozen comparison column of the system's code; returns
// how many columns took it.
int write_descriptions(model::ProjectRec& rec, model::SystemType kind,
                       std::string_view description);

}  // namespace pellavan::geo
