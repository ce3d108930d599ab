#include "model/input/unit_options.h"

namespace pellavan::model {

UnitOptions UnitOptions::of(const MetricFlags& flags) {
  return {flags(0) != 0, flags(1) != 0, flags(2) != 0, flags(3) != 0, flags(4) != 0};
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
