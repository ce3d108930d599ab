#include "model/input/stored_figures.h"

#include <algorithm>
#include <cmath>

#include "model/units/grouped_number.h"
#include "model/units/number_text.h"

namespace pellavan::model {

namespace {

bool fixed_bounds(const Range& range) { return range.low_from == 0 && range.high_from == 0; }

// As the window's box shows it: a metric figure at the one decimal of its box (".3" kW), an
// imperial one as typed; large figures grouped in whole units, as the money and loads are shown.
std::string figure_text(double value, const RangeCheck& row, Display display) {
  const bool converted = display == Display::Metric && row.quantity != Quantity::Plain;
  if (std::fabs(value) >= 1000) return grouped(value, converted ? 1 : 0);
  return converted ? format_fixed(value, 1, false) : format_significant(value, 6);
}

// "an Average Depth", "an A/C Capacity", but "a Unit Quantity".
bool takes_an(const std::string& words) {
  const char c = words.empty() ? ' ' : words[0];
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

bool same_field(NumberField<ProjectRec> a, NumberField<ProjectRec> b) {
  return a.get != nullptr && a.get == b.get;
}

}  // namespace

std::string StoredFigure::message() const {
  std::string text(window);
  if (damaged_record) {
    text.append(" Uses ").append(words).append(", Which Is Damaged -- Choose Other Equipment in ");
    return text.append("the ").append(window).append(" Window");
  }
  text.append(" Holds ").append(takes_an(words) ? "an " : "a ").append(words);
  text.append(" of ").append(shown).append(", Which Is Out of Range -- Open the ");
  return text.append(window).append(" Window to Correct It");
}

std::string StoredFigure::column_words() const {
  return words + (damaged_record ? " Is Damaged" : " Out of Range");
}

StoredFigure damaged_record(SystemType system, const char* window, std::string_view file,
                            Int16 id) {
  StoredFigure record;
  record.system = system;
  record.window = window;
  record.words = std::string(file) + " Record " + std::to_string(id);
  record.damaged_record = true;
  return record;
}

void add_stored_figures(const StoredTable& table, const CheckValues& values,
                        const UnitOptions& units, std::vector<StoredFigure>& found) {
  const std::size_t first = found.size();
  for (const RangeCheck& row : table.rows) {
    if (row.words == nullptr) continue;
    const Display display = units.display_of(row.quantity);
    if (!checked_in(row, display) || !values.holds(row)) continue;
    const Range bounds = bounds_of(row, display, values);
    if (!fixed_bounds(bounds)) continue;
    const double value = values.value(row, display);
    if (inside(value, bounds) || accepted_in_other_display(row, display, values)) continue;
    const auto told = std::span(found).subspan(first);
    if (std::ranges::any_of(told,
                            [&](const StoredFigure& f) { return same_field(f.field, row.field); }))
      continue;
    found.push_back(StoredFigure{.system = table.system,
                                 .window = table.window,
                                 .words = row.words,
                                 .shown = figure_text(value, row, display),
                                 .field = row.field,
                                 .binds_analysis = row.binds_analysis});
  }
}

const StoredFigure* told_first(std::span<const StoredFigure> found) {
  if (found.empty()) return nullptr;
  const auto binding =
      std::ranges::find_if(found, [](const StoredFigure& f) { return f.binds_analysis; });
  return binding != found.end() ? &*binding : &found.front();
}

bool keeps_out(std::span<const StoredFigure> kept_out, NumberField<ProjectRec> field) {
  return std::ranges::any_of(kept_out,
                             [&](const StoredFigure& f) { return same_field(f.field, field); });
}

double analysed_figure(std::span<const StoredFigure> kept_out, NumberField<ProjectRec> field,
                       const ProjectRec& rec) {
  return keeps_out(kept_out, field) ? 0.0 : field.get(rec);
}

}  // namespace pellavan::model
