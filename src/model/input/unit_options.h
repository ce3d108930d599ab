#pragma once
// The unit options as the windows ask them: one view of MetricFlag (metric display, keep °F,
// keep Btu/h, keep feet, gas priced per GJ) that says for each kind of quantity whether it is
// shown in its imperial or its metric unit. Values are always held in imperial units.

#include <cstdint>

#include "model/catalogue/catalogue_files.h"

namespace pellavan::model {

enum class Quantity : std::uint8_t {
  Plain,                  // counts, ratios, fractions, prices per kWh: one unit in both displays
  Capacity,               // Btu/h, or kW
  Temperature,            // °F, or °C
  TemperatureDifference,  // F degrees, or C degrees
  Length,                 // feet, or metres (lengths and depths)
  GasPrice,               // per Ccf, or per m³ or per GJ as the gas option says
  LiquidFuelPrice,        // propane and oil: per US gallon, or per litre
};

enum class Display : std::uint8_t { Imperial, Metric };

struct UnitOptions {
  bool metric = false;
  bool keep_fahrenheit = false;
  bool keep_btuh = false;
  bool keep_feet = false;
  bool gas_per_gj = false;

  [[nodiscard]] static UnitOptions of(const MetricFlags& flags);
  // Metric only with the metric display on, and not for a quantity whose imperial unit is kept.
  [[nodiscard]] Display display_of(Quantity quantity) const;
};

}  // namespace pellavan::model
