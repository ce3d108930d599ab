#include "model/input/unit_options.h"

namespace pellavan::model {

UnitOptions UnitOptions::of(const MetricFlags& flags) {
  return {flags(kMetricDisplay) != 0, flags(kKeepFahrenheit) != 0, flags(kKeepBtuh) != 0,
          flags(kKeepFeet) != 0, flags(kGasPerGj) != 0};
}

Display UnitOptions::display_of(Quantity quantity) const {
  bool kept = false;
  switch (quantity) {
    case Quantity::Plain: return Display::Imperial;
    case Quantity::Capacity: kept = keep_btuh; break;
    case Quantity::Temperature:
    case Quantity::TemperatureDifference: kept = keep_fahrenheit; break;
    case Quantity::Length: kept = keep_feet; break;
    case Quantity::GasPrice:
    case Quantity::LiquidFuelPrice: break;
  }
  return metric && !kept ? Display::Metric : Display::Imperial;
}

}  // namespace pellavan::model
