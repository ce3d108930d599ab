#pragma once
// Keeps a displayed °C temperature from changing the stored °F value when the user leaves it alone.
// F_To_C and C_To_F are not inverses (45 °F shows as 7.5 °C, and 7.5 °C is 46 °F), so a field that
// shows a stored value in °C remembers, in a slot of its own, what it showed and the °F it came
// from; storing gives that °F back as long as the entry still reads as what was shown at one
// decimal, and converts the entry as typed otherwise. Slots are numbered like KwMemo's, 1..100,
// and start empty.

#include <array>

#include "model/units/memo_slot.h"

namespace pellavan::model {

enum class TemperatureKind {
  Absolute,   // a temperature: F_To_C / C_To_F
  Difference  // a temperature difference: DF_To_DC / DC_To_DF
};

class TemperatureMemo {
 public:
  // The °C value to show for a stored °F value.
  double show_celsius(int slot, double fahrenheit,
                      TemperatureKind kind = TemperatureKind::Absolute);
  // The °F value to store for a °C entry.
  double store_fahrenheit(int slot, double celsius,
                          TemperatureKind kind = TemperatureKind::Absolute);

 private:
  struct Entry {
    bool used = false;
    TemperatureKind kind = TemperatureKind::Absolute;
    double shown = 0.0;     // °C
    double original = 0.0;  // °F
  };
  std::array<Entry, kLastMemoSlot> entries_{};
};

}  // namespace pellavan::model
