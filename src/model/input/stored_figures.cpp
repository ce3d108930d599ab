#include "model/input/stored_figures.h"

#include <cmath>

#include "model/units/grouped_number.h"
#include "model/units/number_text.h"

namespace pellavan::model {

namespace {

bool fixed_bounds(const Range& range) { return range.low_from == 0 && range.high_from == 0; }

// Large figures grouped in whole units, as the money and loads are shown; small ones as typed.
std::string figure_text(double value) {
  if (std::fabs(value) >= 1000) return grouped(value, 0);
  return format_significant(value, 6);
}

// "an Average Depth", "an A/C Capacity", but "a Unit Quantity".
bool takes_an(const char* words) {
  const char c = words[0];
  return c == 'A' || c == 'E' || c == 'I' || c == 'O';
}

// A figure the row takes in the other display is one the window accepts: 999,999 Btu/h is a
// heating load of 293 kW, which the kW display refuses.
bool accepted_in_other_display(const RangeCheck& row, Display display, const CheckValues& values) {
  const Display other = display == Display::Metric ? Display::Imperial : Display::Metric;
  if (!checked_in(row, other)) return false;
  const Range bounds = bounds_of(row, other, values);
  return fixed_bounds(bounds) && inside(values.value(row, other), bounds);
}

}  // namespace

std::string StoredFigure::message() const {
  std::string text(window);
  text.append(" Holds ").append(takes_an(words) ? "an " : "a ").append(words);
  text.append(" of ").append(figure_text(shown)).append(", Which Is Out of Range -- Open the ");
  return text.append(window).append(" Window to Correct It");
}

void add_stored_figure(const StoredTable& table, const CheckValues& values,
                       const UnitOptions& units, std::vector<StoredFigure>& found) {
  for (const RangeCheck& row : table.rows) {
    if (row.words == nullptr) continue;
    const Display display = units.display_of(row.quantity);
    if (!checked_in(row, display) || !values.holds(row)) continue;
    const Range bounds = bounds_of(row, display, values);
    if (!fixed_bounds(bounds)) continue;
    const double value = values.value(row, display);
    if (inside(value, bounds) || accepted_in_other_display(row, display, values)) continue;
    found.push_back(StoredFigure{.system = table.system,
                                 .window = table.window,
                                 .words = row.words,
                                 .shown = value,
                                 .field = table.field_of(row),
                                 .binds_analysis = row.binds_analysis});
    return;
  }
}

}  // namespace pellavan::model
