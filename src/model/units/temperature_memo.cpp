#include "model/units/temperature_memo.h"

#include "model/units/number_text.h"
#include "model/units/temperature.h"

namespace pellavan::model {
namespace {

bool reads_the_same(double a, double b) {
  return format_fixed(a, 1, true) == format_fixed(b, 1, true);
}

}  // namespace

double TemperatureMemo::show_celsius(int slot, double fahrenheit, TemperatureKind kind) {
  Entry& entry = entries_[memo_index("TemperatureMemo", slot)];
  const double shown =
      kind == TemperatureKind::Absolute ? F_To_C(fahrenheit) : DF_To_DC(fahrenheit);
  entry = Entry{true, kind, shown, fahrenheit};
  return shown;
}

double TemperatureMemo::store_fahrenheit(int slot, double celsius, TemperatureKind kind) {
  Entry& entry = entries_[memo_index("TemperatureMemo", slot)];
  if (entry.used && entry.kind == kind && reads_the_same(celsius, entry.shown))
    return entry.original;
  const double stored = kind == TemperatureKind::Absolute ? C_To_F(celsius) : DC_To_DF(celsius);
  entry = Entry{true, kind, celsius, stored};
  return stored;
}

}  // namespace pellavan::model
