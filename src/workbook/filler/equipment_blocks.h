#pragma once
// Input blocks that several system sheets lay out alike: the furnace block (the auxiliary heat of
// the ground-source sheets, the heat pump's backup, the furnace of the Furnace sheet) and the
// water-heater block. Each is placed by the cell of its first value.

#include "model/records/furnace_rec.h"
#include "model/records/water_heater_rec.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// The auxiliary mode a project block holds when it asks for its appliance's own add-on mode.
inline constexpr model::Int32 kAuxModeOfAppliance = 99;

// The mode that kAuxModeOfAppliance stands for: the appliance's own add-on mode. An appliance
// without a default of its own (a negative mode) supplements: the sheets multiply run times and
// blower power by the mode, so a negative one would give run times above 1.
inline model::Int32 appliance_aux_mode(const model::FurnaceRec& appliance) {
  return appliance.AddOnMode < 0 ? 0 : appliance.AddOnMode;
}

// Thirteen rows from `first_row` down the value column `col`: the input capacity, type, style,
// AFUE, full-load efficiency, auxiliary kW, fuel type, fuel Btu, the three cycling factors, the
// cycling adjustment and `mode` (the project's auxiliary mode, or the record's add-on value);
// in the column to its right, rows 2 to 6 of the block, the low-stage values: capacity ratio,
// air-flow ratio, auxiliary kW, the two-stage flag and the ICM blower flag. Written in that
// order, the column to the right from the ICM flag upwards.
void put_furnace_block(FillContext& ctx, int first_row, int col, model::Int32 input,
                       const model::FurnaceRec& furnace, model::Int32 mode);

// Five rows from `first_row` down `col`: type, style, annual efficiency, fuel type, fuel Btu.
void put_water_heater_block(FillContext& ctx, int first_row, int col,
                            const model::WaterHeaterRec& heater);

}  // namespace pellavan::workbook
