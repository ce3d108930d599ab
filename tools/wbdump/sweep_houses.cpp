#include "wbdump/sweep_houses.h"

#include <algorithm>

namespace pellavan::wbdump {

namespace {

constexpr House kHouses[] = {kProjectHouse, kSmallHouse, kLargeHouse};

// The Delta T from the indoor temperature to the city's design temperature, within the range
// the project-information window accepts.
model::Int16 delta_t(double from, double to, int low, int high) {
  return static_cast<model::Int16>(std::clamp(static_cast<int>(to - from + 0.5), low, high));
}

}  // namespace

std::span<const House> sweep_houses() { return kHouses; }

void set_house(model::ProjectRec& p, const House& house, const model::CityRec& city) {
  if (house.heat_load != 0) {
    const double sensible = static_cast<double>(p.Loads_SensibleLoad) / p.Loads_CoolLoad;
    p.Loads_HeatLoad = house.heat_load;
    p.Loads_CoolLoad = house.cool_load;
    p.Loads_SensibleLoad = static_cast<model::Int32>(house.cool_load * sensible + 0.5);
    p.Loads_Construction = house.construction;
  }
  p.Loads_HeatDeltaT = delta_t(city.WeatherData(31).to_double(), p.Loads_HeatSetPoint, 10, 125);
  p.Loads_CoolDeltaT = delta_t(p.Loads_CoolSetPoint, city.WeatherData(32).to_double(), 5, 50);
}

}  // namespace pellavan::wbdump
