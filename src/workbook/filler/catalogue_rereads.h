#pragma once
// The equipment records a fill reads again by id before writing their cells, each from the file
// and with the scan its catalogue reader uses (loops and soils from the file the unit options
// choose). The buffer's id is tested before each read, so a buffer that already holds the id
// reads nothing, though the file is still checked, opened and closed. A missing or unreadable
// file ends the program after its message. An id no record carries leaves an emptied record in
// the buffer, and the cells are written from that.

#include "model/record/field_types.h"
#include "workbook/filler/fill_context.h"

namespace pellavan::workbook {

// Each returns whether the record was found; the record is in its ModelState buffer.
bool reread_geo_unit(FillContext& ctx, model::Int16 id);  // GeoUnitRec, the edition's unit file
bool reread_t_unit(FillContext& ctx, model::Int16 id);    // TUnitRec
bool reread_loop(FillContext& ctx, model::Int16 id);      // LoopRec
bool reread_soil(FillContext& ctx, model::Int16 id);      // SoilRec
bool reread_furnace(FillContext& ctx, model::Int16 id);   // FurnaceRec, the edition's furnace file
bool reread_water_heater(FillContext& ctx, model::Int16 id);  // WaterHeaterRec
bool reread_air_hp(FillContext& ctx, model::Int16 id);        // AirHPRec
bool reread_ac(FillContext& ctx, model::Int16 id);            // ACRec

}  // namespace pellavan::workbook
