#pragma once
// The writes the Geo A and Geo B steps share: the two sheets take the same input cells, each
// from its own block of the project record. GeoBlock names that block's fields; the records are
// those the step has just read into the model's buffers.

#include "model/record/field_types.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/project_rec.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// One ground-source block of the project record, by reference: the step repairs tons and
// auxiliary mode in place.
struct GeoBlock {
  model::Int16 unit_id;
  model::Int16 loop_id;
  model::Int16 soil_id;
  model::Int16 aux_id;
  model::Int16 water_heater_id;
  model::Currency& tons;
  model::Int16 loop_well_hybrid;
  model::Currency depth;
  model::Int16 bore_length;
  model::Int16 loop_min_temp;
  model::Int16 loop_max_temp;
  model::Int16 hw_generator;
  model::Int32 aux_input;
  model::Int32& aux_mode;
};

GeoBlock geo_a_block(model::ProjectRec& p);
GeoBlock geo_b_block(model::ProjectRec& p);

// A quantity of 0 becomes 1: the sheets multiply every value of a unit by it.
void repair_zero_quantity(model::Currency& tons);

// Reads the unit, loop, soil, auxiliary appliance and water heater of the block, in this order.
void reread_geo_records(FillContext& ctx, const GeoBlock& block);

// Perf(1..46) into the 46 cells of column B from first_row on.
void put_unit_perf(FillContext& ctx, const model::GeoUnitRec& unit, int first_row);

// The unit rows: performance values, sensible shares D50:D51, flags F50:F52 and style F53;
// then the quantity B3 (0 repaired to 1 in the block) with model B4 and series B5.
void put_unit(FillContext& ctx, const GeoBlock& block);

// F5:F10, F11:F14 (a loop whose name begins "Pond" takes water instead of the soil), then the
// sizing inputs F15:F18 and the hybrid flag F20.
void put_loop_and_soil(FillContext& ctx, const GeoBlock& block);

// J6:J17, J18 (mode 99 repaired to the appliance's own add-on mode in the block, or to 0 when
// the appliance has none) and K7:K11.
void put_auxiliary_heat(FillContext& ctx, const GeoBlock& block);

// J23:J27.
void put_water_heater(FillContext& ctx);

// The U value F10 takes: UValue(soil id), or (soil id + 15) on the loop/well hybrid. A soil id
// outside the loop's table gives 0, so the loop lengths show errors instead of reading past it.
model::Currency geo_loop_u_value(const model::LoopRec& loop, const model::SoilRec& soil, model::Int16 hybrid);

}  // namespace pellavan::workbook
