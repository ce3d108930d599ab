#pragma once
// RatesRec: a rate file (".rat"), one record of 2,708 bytes, tag "KV2": the twelve prices and six
// inflation rates of the utility-rates window, the provider names, a description and the
// currency identifier. Prices are per kWh, per Ccf of gas and per US gallon of propane and oil,
// whatever the display units at saving. Reserved fields are never assigned: they keep the bytes
// of the file read last.

#include <string_view>

#include "model/record/record_layout.h"

namespace pellavan::model {

#define PELLAVAN_RATES_FIELDS(F, A)       \
  F(0, Text<3>, FileTag)                  \
  F(3, Currency, GeoElecSummer)           \
  F(11, Currency, GeoElecWinter)          \
  F(19, Currency, HeatPumpElecSummer)     \
  F(27, Currency, HeatPumpElecWinter)     \
  F(35, Currency, FossilElecSummer)       \
  F(43, Currency, FossilElecWinter)       \
  F(51, Currency, GasSummer)              \
  F(59, Currency, GasWinter)              \
  F(67, Currency, PropaneSummer)          \
  F(75, Currency, PropaneWinter)          \
  F(83, Currency, OilSummer)              \
  F(91, Currency, OilWinter)              \
  F(99, Currency, GeoElecInflation)       \
  F(107, Currency, HeatPumpElecInflation) \
  F(115, Currency, FossilElecInflation)   \
  F(123, Currency, GasInflation)          \
  F(131, Currency, PropaneInflation)      \
  F(139, Currency, OilInflation)          \
  F(147, Spare<108>, Spare1)              \
  F(255, Spare<200>, Spare2)              \
  F(455, Text<25>, ElecUtility)           \
  F(480, Spare<20>, Spare3)               \
  F(500, Text<25>, GasUtility)            \
  F(525, Spare<25>, Spare4)               \
  F(550, Text<25>, PropaneProvider)       \
  F(575, Spare<25>, Spare5)               \
  F(600, Text<25>, OilProvider)           \
  F(625, Spare<25>, Spare6)               \
  F(650, Text<50>, Description)           \
  F(700, Text<6>, CurrencyId)             \
  F(706, Text<1>, GasPerGJ)               \
  F(707, Text<1>, MetricFile)             \
  F(708, Spare<2000>, Spare7)

PELLAVAN_DEFINE_RECORD(RatesRec, 2708, PELLAVAN_RATES_FIELDS);

inline constexpr std::string_view kRatesFileTag = "KV2";

}  // namespace pellavan::model
