#pragma once
// CityRec: one city of "Citydata.CEA", 576 bytes; the file is grouped by state. WeatherData(1..30)
// are the yearly hours of the outdoor-temperature bins centred at 117 - 5 i °F (112 °F down to
// -33 °F); 31 heating and 32 cooling design temperature (°F), 33 heating degree days, 34 and 35
// the heating correction at load corrections 1 and 5, 36 deep-earth temperature (°F), 37 annual
// surface swing (F degrees), 38 phase lag (days).

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_CITY_FIELDS(F, A)     \
  F(0, Int16, Id)                      \
  F(2, Text<40>, City)                 \
  F(42, Text<10>, State)               \
  F(52, Text<40>, Spare1)              \
  F(92, Text<100>, Spare2)             \
  A(192, Currency, 1, 38, WeatherData) \
  A(496, Currency, 1, 10, Spare3)

PELLAVAN_DEFINE_RECORD(CityRec, 576, PELLAVAN_CITY_FIELDS);

}  // namespace pellavan::model
