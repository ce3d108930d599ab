#pragma once
// What the load calculation leaves for the rest of the program: the per-bin loads, the heating
// correction, gains, balance point and annual energies that the analysis workbook is filled
// with, and the minimum backup heat the system windows enforce. Each calculation replaces them;
// nothing else writes or clears them, so later users see the last calculation, valid or not.

#include "model/record/field_types.h"

namespace pellavan::model {

struct LoadCalcState {
  // From the building-load workbook (Calc_Loads).
  VbArray<Currency, 1, 30> BinNetLoad;  // Btu/h per bin, negative in heating
  VbArray<Currency, 1, 30> BinDhwLoad;  // Btu/h per bin
  Currency HtgCorr;                     // heating correction factor
  Currency IntGains;                    // internal gains, Btu/h
  Currency BldgBalPt;                   // balance point, F
  Currency DhwBtuh;                     // mean hot-water load, Btu/h
  Currency AnnDhw;                      // annual energies, millions of Btu
  Currency AnnHtg;
  Currency AnnClg;
  Int32 HtgDesignTemp = 0;  // heating design temperature of the city, F, whole

  // From Min_Backup.
  Int32 MinBackupHeat = 0;     // Btu/h
  Int32 MinInputCapacity = 0;  // Btu/h, of the last furnace looked at

  // What the loads window shows of the last calculation.
  Currency CdHigh;  // correction factors at the two ends of the correction scale
  Currency CdLow;
  Int32 GainsWhole = 0;
  Int32 BalPtWhole = 0;
  Int16 LoadsInvalid = 0;  // 1 when the workbook found the inputs invalid
  Int16 CityMissing = 0;   // 1 when no city had the project's city id (LoadsInvalid is 1 too)
};

}  // namespace pellavan::model
