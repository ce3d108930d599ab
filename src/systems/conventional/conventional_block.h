#pragma once
// What the furnace/boiler and heat-pump windows share of their project blocks: the cooling unit
// (the air conditioner, or the heat pump) with its capacity, the furnace (the furnace or boiler,
// or the heat pump's backup) with its input, the water heater and the two coils, named once per
// system; the system's code, result sheet, bin view and memo slots; and the few rules in which
// the two windows differ. The windows' shared routines work on a ConventionalBlock.

#include "model/input/record_field.h"
#include "model/records/project_rec.h"
#include "model/report_workbook_sheets.h"

namespace pellavan::systems {

using Number = model::NumberField<model::ProjectRec>;
using Name = model::TextField<model::ProjectRec>;

struct ConventionalBlock {
  int system_code = 0;  // the comparison columns' code Run describes
  int result_sheet = 0;
  model::Int16 bin_view_code = 0;
  const char* caption = "";
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
  Number cooling_id, capacity, furnace_id, input, water_heater_id, coil_condition, coil_quality;
  Name cooling_name, furnace_name, water_heater_name;
  Name described_name;  // the name Run writes into the comparison columns
};

using model::number_field;
using model::ProjectRec;
using model::text_field;

inline constexpr ConventionalBlock kFurnaceBlock{
    .system_code = 4,
    .result_sheet = model::kFuqSheet,
    .bin_view_code = 4,
    .caption = "Furnace / Boiler",
    .capacity_slot = 45,
    .input_slot = 40,
    .minimum_slot = 16,
    .capacity_unit = "Btu/hr",
    .electric_input_length = 4,
    .kw_input_set_to_minimum = true,
    .capacity_read_at_one_decimal = true,
    .cooling_id = number_field<&ProjectRec::Furnace_ACId>(),
    .capacity = number_field<&ProjectRec::Furnace_ACCapacity>(),
    .furnace_id = number_field<&ProjectRec::Furnace_UnitId>(),
    .input = number_field<&ProjectRec::Furnace_Input>(),
    .water_heater_id = number_field<&ProjectRec::Furnace_WaterHeaterId>(),
    .coil_condition = number_field<&ProjectRec::Furnace_CoilCondition>(),
    .coil_quality = number_field<&ProjectRec::Furnace_CoilQuality>(),
    .cooling_name = text_field<&ProjectRec::Furnace_ACName>(),
    .furnace_name = text_field<&ProjectRec::Furnace_UnitName>(),
    .water_heater_name = text_field<&ProjectRec::Furnace_WaterHeaterName>(),
    .described_name = text_field<&ProjectRec::Furnace_UnitName>()};

inline constexpr ConventionalBlock kHeatPumpBlock{
    .system_code = 3,
    .result_sheet = model::kAaqSheet,
    .bin_view_code = 3,
    .caption = "Heat Pump",
    .zoom_back_after_fill = true,
    .capacity_slot = 35,
    .input_slot = 30,
    .minimum_slot = 36,
    .capacity_unit = "Btu/Hr",
    .electric_input_length = 3,
    .electric_minimum_raised = true,
    .electric_input_in_kw_always = true,
    .cooling_id = number_field<&ProjectRec::HeatPump_UnitId>(),
    .capacity = number_field<&ProjectRec::HeatPump_Capacity>(),
    .furnace_id = number_field<&ProjectRec::HeatPump_BackupId>(),
    .input = number_field<&ProjectRec::HeatPump_BackupInput>(),
    .water_heater_id = number_field<&ProjectRec::HeatPump_WaterHeaterId>(),
    .coil_condition = number_field<&ProjectRec::HeatPump_CoilCondition>(),
    .coil_quality = number_field<&ProjectRec::HeatPump_CoilQuality>(),
    .cooling_name = text_field<&ProjectRec::HeatPump_UnitName>(),
    .furnace_name = text_field<&ProjectRec::HeatPump_BackupName>(),
    .water_heater_name = text_field<&ProjectRec::HeatPump_WaterHeaterName>(),
    .described_name = text_field<&ProjectRec::HeatPump_UnitName>()};

}  // namespace pellavan::systems
