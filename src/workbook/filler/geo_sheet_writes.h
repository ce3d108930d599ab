#pragma once
// The writes the ground-source steps share. Geo A, Geo B and GEO T take their loop, soil,
// auxiliary-heat and water-heater inputs in the same rows, Geo A and Geo B in columns F and J,
// GEO T in columns N and R, each from its own block of the project record. GeoSheetBlock holds that
// block's fields; the records are those the step has just read into the model's buffers.

#include "model/project/system_kinds.h"
#include "model/record/field_types.h"
#include "model/records/furnace_rec.h"
#include "model/records/geo_unit_rec.h"
#include "model/records/project_rec.h"
#include "workbook/filler/cell_writes.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// One ground-source block of the project record: the project and the block's fields from the
// system table (model/project/system_kinds.h). The step repairs tons and auxiliary mode in place.
struct GeoSheetBlock {
  model::ProjectRec& rec;
  const model::GeoRecordBlock& fields;

  // A field of the block as stored.
  template <class T>
  [[nodiscard]] T& at(model::ProjectNumber model::GeoRecordBlock::*field) const {
    return (fields.*field).in<T>(rec);
  }
  // A field of the block in its stored type's text form.
  void put(FillContext& ctx, CellAt cell, model::ProjectNumber model::GeoRecordBlock::*field) const;
};

// The column of the loop and soil values, and the first column of the auxiliary-heat and
// water-heater values.
inline constexpr int kGeoABLoopColumn = 6;        // F
inline constexpr int kGeoABEquipmentColumn = 10;  // J
inline constexpr int kGeoTLoopColumn = 14;        // N
inline constexpr int kGeoTEquipmentColumn = 18;   // R

// A quantity of 0 becomes 1: the sheets multiply every value of a unit by it.
void repair_zero_quantity(model::Currency& tons);

// Reads the loop, soil, auxiliary appliance and water heater of the block, in this order.
void reread_block_equipment(FillContext& ctx, const GeoSheetBlock& block);

// Reads the Geo A or Geo B unit of the block, then its equipment.
void reread_geo_records(FillContext& ctx, const GeoSheetBlock& block);

// Perf(1..46) into the 46 cells of column B from first_row on.
void put_unit_perf(FillContext& ctx, const model::GeoUnitRec& unit, int first_row);

// The unit rows of Geo A and Geo B: performance values, sensible shares D50:D51, flags F50:F52
// and style F53; then the quantity B3 (0 repaired to 1 in the block) with model B4 and series B5.
void put_unit(FillContext& ctx, const GeoSheetBlock& block);

// Rows 5 to 20 of the loop column: loop 5:9, U value 10, soil 11:14 (a loop whose name begins
// "Pond" takes water instead of the soil), then the sizing inputs 15:18 and the hybrid flag 20.
void put_loop_and_soil(FillContext& ctx, const GeoSheetBlock& block, int col);

// The mode 99 of the block repaired to the auxiliary appliance's own add-on mode, or to 0 when
// the appliance has none.
void repair_aux_mode(const GeoSheetBlock& block, const model::FurnaceRec& aux);

// Rows 6 to 18 of the equipment column and the column to its right: the auxiliary appliance of
// the model's furnace buffer as a furnace block, with the block's input and auxiliary mode.
void put_auxiliary_heat(FillContext& ctx, const GeoSheetBlock& block, int col);

// Rows 23 to 27 of the equipment column: the water heater in the model's buffer.
void put_water_heater(FillContext& ctx, int col);

// The U value of the loop column's row 10: UValue(soil id), or (soil id + 15) on the loop/well
// hybrid. A soil id outside the loop's table gives 0, so the loop lengths show errors instead
// of reading past it.
model::Currency geo_loop_u_value(const model::LoopRec& loop, const model::SoilRec& soil,
                                 model::Int16 hybrid);

}  // namespace pellavan::workbook
