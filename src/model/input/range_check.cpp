#include "model/input/range_check.h"

#include <cmath>

#include "model/units/grouped_number.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "model/units/temperature.h"

namespace pellavan::model {
namespace {

std::string bound_text(double value, BoundText shown) {
  switch (shown) {
    case BoundText::AsNeeded: return format_significant(value, 15);
    case BoundText::Grouped: return grouped(round_half_even(value), 0);
    case BoundText::OneDecimal: return format_fixed(value, 1, false);
  }
  return {};
}

void replace_all(std::string& text, std::string_view key, const std::string& with) {
  for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + with.size()))
    text.replace(at, key.size(), with);
}

}  // namespace

double CheckValues::bound(const RangeCheck& /*row*/, int /*id*/, Display /*display*/) const {
  return 0.0;
}

std::optional<std::string> CheckValues::own_message(const RangeCheck& /*row*/) const {
  return std::nullopt;
}

const UnreadableBox* UnreadableBoxes::box_of(const RangeCheck& row) const {
  for (const UnreadableBox& b : boxes_)
    if (b.box == row.focus) return &b;
  return nullptr;
}

double UnreadableBoxes::value(const RangeCheck& row, Display display) const {
  if (box_of(row) != nullptr) return std::nan("");  // never inside a range
  return values_.value(row, display);
}

std::optional<std::string> UnreadableBoxes::own_message(const RangeCheck& row) const {
  const UnreadableBox* b = box_of(row);
  if (b == nullptr || b->comma == Comma::None) return values_.own_message(row);
  return comma_message(b->text, b->comma);
}

double celsius_checked(double fahrenheit) { return F_To_C(fahrenheit); }

bool inside(double value, const Range& range) {
  if (std::isnan(value) || value < range.low || value > range.high) return false;
  return !(range.above_low && value <= range.low);
}

bool checked_in(const RangeCheck& row, Display display) {
  switch (row.checked) {
    case Checked::InBothDisplays: return true;
    case Checked::InImperialOnly: return display == Display::Imperial;
    case Checked::InMetricOnly: return display == Display::Metric;
  }
  return true;
}

Range bounds_of(const RangeCheck& row, Display display, const CheckValues& values) {
  Range range = display == Display::Metric && row.metric ? *row.metric : row.imperial;
  if (range.low_from != 0) range.low = values.bound(row, range.low_from, display);
  if (range.high_from != 0) range.high = values.bound(row, range.high_from, display);
  return range;
}

std::string message_of(const RangeCheck& row, Display display, const Range& bounds) {
  std::string text = display == Display::Metric && row.metric_text ? row.metric_text : row.text;
  replace_all(text, "{low}", bound_text(bounds.low, row.bounds_shown));
  replace_all(text, "{high}", bound_text(bounds.high, row.bounds_shown));
  return text;
}

std::optional<Refusal> first_refusal(std::span<const RangeCheck> rows, const CheckValues& values,
                                     const UnitOptions& units) {
  for (const RangeCheck& row : rows) {
    const Display display = units.display_of(row.quantity);
    if (!checked_in(row, display) || !values.holds(row)) continue;
    const Range bounds = bounds_of(row, display, values);
    if (inside(values.value(row, display), bounds)) continue;
    return Refusal{&row, values.own_message(row).value_or(message_of(row, display, bounds))};
  }
  return std::nullopt;
}

}  // namespace pellavan::model
