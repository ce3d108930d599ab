#include "model/input/unit_binding.h"

#include "model/units/length.h"
#include "model/units/number_text.h"
#include "model/units/price.h"
#include "model/units/rounding.h"
#include "model/units/temperature.h"

namespace pellavan::model {
namespace {

std::string formatted(double value, NumberFormat format) {
  if (format.decimals < 0) return format_significant(value, 15);
  if (format.half_to_even && format.decimals == 0) value = round_half_even(value);
  return format_fixed(value, format.decimals, format.leading_zero);
}

TemperatureKind kind_of(Quantity quantity) {
  return quantity == Quantity::Temperature ? TemperatureKind::Absolute
                                           : TemperatureKind::Difference;
}

Currency money(double v) { return Currency::from_double_saturated(v); }

// The stored (imperial) value in the metric unit of its quantity.
double to_metric(const UnitBinding& b, double stored, const UnitOptions& units, UnitMemos& memos) {
  switch (b.quantity) {
    case Quantity::Plain: return stored;
    case Quantity::Capacity: return memos.kw.Btuh_To_KW(stored, b.slot);
    case Quantity::Temperature:
    case Quantity::TemperatureDifference:
      return memos.temperature.show_celsius(b.slot, stored, kind_of(b.quantity));
    case Quantity::Length: return Ft_To_M(stored);
    case Quantity::GasPrice:
      return units.gas_per_gj ? money(Per_CCF_To_GJ(money(stored))).to_double()
                              : Per_CCF_To_M3(money(stored)).to_double();
    case Quantity::LiquidFuelPrice: return Per_Gal_To_L(money(stored)).to_double();
  }
  return stored;
}

// An entry in the metric unit of its quantity, in the stored unit.
double from_metric(const UnitBinding& b, double entry, const UnitOptions& units, UnitMemos& memos) {
  switch (b.quantity) {
    case Quantity::Plain: return entry;
    case Quantity::Capacity: return memos.kw.KW_To_Btuh(entry, b.slot);
    case Quantity::Temperature:
    case Quantity::TemperatureDifference:
      return memos.temperature.store_fahrenheit(b.slot, entry, kind_of(b.quantity));
    case Quantity::Length: return M_To_Ft(entry).to_double();
    case Quantity::GasPrice:
      return units.gas_per_gj ? money(Per_GJ_To_CCF(money(entry))).to_double()
                              : Per_M3_To_CCF(money(entry)).to_double();
    case Quantity::LiquidFuelPrice: return Per_L_To_Gal(money(entry)).to_double();
  }
  return entry;
}

}  // namespace

std::string show_value(const UnitBinding& b, const ProjectRec& rec, const UnitOptions& units,
                       UnitMemos& memos) {
  const double stored = b.field.get(rec);
  const bool metric = units.display_of(b.quantity) == Display::Metric;
  std::string text = metric ? formatted(to_metric(b, stored, units, memos), b.metric)
                            : formatted(stored, b.imperial);
  memos.remember_shown(b.slot, text, stored);
  return text;
}

Places places_of(const UnitBinding& b, const UnitOptions& units) {
  const NumberFormat& format =
      units.display_of(b.quantity) == Display::Metric ? b.metric : b.imperial;
  if (format.decimals >= 0) return format.decimals > 0 ? Places::Decimals : Places::Whole;
  return b.field.whole ? Places::Whole : Places::Decimals;
}

std::optional<UnreadableBox> store_value(const UnitBinding& b, std::string_view text,
                                         ProjectRec& rec, const UnitOptions& units,
                                         UnitMemos& memos) {
  if (const auto shown = memos.unchanged(b.slot, text)) {
    b.field.set(rec, *shown);
    return std::nullopt;
  }
  const TypedNumber typed = read_typed(text, places_of(b, units));
  // The field keeps its value; the same text is refused again.
  if (!typed.value) return UnreadableBox{b.control, std::string(text), typed.comma};
  const bool metric = units.display_of(b.quantity) == Display::Metric;
  b.field.set(rec, metric ? from_metric(b, *typed.value, units, memos) : *typed.value);
  memos.remember_shown(b.slot, std::string(text), b.field.get(rec));
  return std::nullopt;
}

std::string left_text(const UnitBinding& b, std::string_view text, const UnitOptions& units) {
  const bool celsius =
      b.quantity == Quantity::Temperature || b.quantity == Quantity::TemperatureDifference;
  const std::optional<double> typed = typed_number(text, places_of(b, units));
  if (typed && b.leave == Leave::RoundHalf && celsius &&
      units.display_of(b.quantity) == Display::Metric)
    return Round_Half(*typed);
  return std::string(text);
}

std::optional<std::pair<std::size_t, std::size_t>> shared_memo_slot(
    std::span<const UnitBinding> bindings) {
  for (std::size_t i = 0; i < bindings.size(); ++i) {
    if (bindings[i].slot < kFirstMemoSlot || bindings[i].slot > kLastMemoSlot)
      return std::pair{i, i};
    for (std::size_t j = 0; j < i; ++j)
      if (bindings[j].slot == bindings[i].slot) return std::pair{j, i};
  }
  return std::nullopt;
}

}  // namespace pellavan::model
