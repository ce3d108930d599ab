#include "workbook/filler/equipment_blocks.h"

#include "workbook/filler/cell_writes.h"

namespace pellavan::workbook {

void put_furnace_block(FillContext& ctx, int first_row, int col, model::Int32 input,
                       const model::FurnaceRec& furnace, model::Int32 mode) {
  const int r = first_row;
  put(ctx, CellAt(r, col), input);
  put(ctx, CellAt(r + 1, col), furnace.TypeText);
  put(ctx, CellAt(r + 2, col), furnace.StyleText);
  put(ctx, CellAt(r + 3, col), furnace.Afue);
  put(ctx, CellAt(r + 4, col), furnace.FullLoadEff);
  put(ctx, CellAt(r + 5, col), furnace.AuxKw);
  put(ctx, CellAt(r + 6, col), furnace.FuelType);
  put(ctx, CellAt(r + 7, col), furnace.FuelBtu);
  put(ctx, CellAt(r + 8, col), furnace.CycFactor1);
  put(ctx, CellAt(r + 9, col), furnace.CycFactor2);
  put(ctx, CellAt(r + 10, col), furnace.CycFactor3);
  put(ctx, CellAt(r + 11, col), furnace.CycAdjust);
  put(ctx, CellAt(r + 12, col), mode);
  const int low = col + 1;
  put(ctx, CellAt(r + 5, low), furnace.IcmFanFlag);
  put(ctx, CellAt(r + 4, low), furnace.TwoStageFlag);
  put(ctx, CellAt(r + 1, low), furnace.LowCapRatio);
  put(ctx, CellAt(r + 3, low), furnace.LowAuxKw);
  put(ctx, CellAt(r + 2, low), furnace.LowCfmRatio);
}

void put_water_heater_block(FillContext& ctx, int first_row, int col,
                            const model::WaterHeaterRec& heater) {
  put(ctx, CellAt(first_row, col), heater.TypeText);
  put(ctx, CellAt(first_row + 1, col), heater.StyleText);
  put(ctx, CellAt(first_row + 2, col), heater.AnnualEff);
  put(ctx, CellAt(first_row + 3, col), heater.FuelType);
  put(ctx, CellAt(first_row + 4, col), heater.FuelBtu);
}

}  // namespace pellavan::workbook
