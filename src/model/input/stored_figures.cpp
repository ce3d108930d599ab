#include "model/input/stored_figures.h"

#include <algorithm>
#include <cmath>

#include "model/input/unit_binding.h"
#include "model/units/grouped_number.h"
#include "model/units/number_text.h"
#include "model/units/unit_memos.h"

namespace pellavan::model {

namespace {

bool fixed_bounds(const Range& range) { return range.low_from == 0 && range.high_from == 0; }

// A large figure's text grouped as the money and loads are shown ("17,760.0"), at the decimals
// the text has.
std::string grouped_text(const std::string& text) {
  const double value = Val(text);
  if (!(std::fabs(value) >= 1000)) return text;
  const std::size_t point = text.find('.');
  const bool plain = point != std::string::npos && text.find_first_of("Ee") == std::string::npos;
  return grouped(value, plain ? static_cast<int>(text.size() - point - 1) : 0);
}

// As the window's box shows it, converted by its unit binding (".3" kW, "60.0" for 140 F in
// the °C display), or as the row reads it where the box shows it plain (an electric furnace in
// whole kW); large figures grouped, as the money and loads are shown.
std::string figure_text(const RangeCheck& row, double value, const ProjectRec& rec,
                        const UnitOptions& units) {
  const Quantity box = row.shown_as.value_or(row.quantity);
  if (box == Quantity::Plain) return grouped_text(format_significant(value, 15));
  UnitMemos memos;
  const UnitBinding binding{.field = row.field, .quantity = box, .slot = 1};
  return grouped_text(show_value(binding, rec, units, memos));
}

// "an Average Depth", "an A/C Capacity", but "a Unit Quantity".
bool takes_an(const std::string& words) {
  const char c = words.empty() ? ' ' : words[0];
  return c == 'A' || c == 'E' || c == 'I' || c == 'O';
}

const char* fault_words(RecordFault fault) {
  return fault == RecordFault::kDamaged ? "Damaged" : "Missing";
}

bool same_field(NumberField<ProjectRec> a, NumberField<ProjectRec> b) {
  return a.get != nullptr && a.get == b.get;
}

// A figure the window takes in the other display is one it accepts: 999,999 Btu/h is a heating
// load of 293 kW, which the kW display refuses, and a furnace of 1,000 Btu/h is one of 0.29 kW.
// Every row of the field that the other display checks must take it.
bool accepted_in_other_display(std::span<const RangeCheck> rows, const RangeCheck& refusing,
                               Display display, const CheckValues& values) {
  const Display other = display == Display::Metric ? Display::Imperial : Display::Metric;
  bool checked = false;
  for (const RangeCheck& row : rows) {
    if (row.words == nullptr || !same_field(row.field, refusing.field) || !checked_in(row, other) ||
        !values.holds(row))
      continue;
    const Range bounds = bounds_of(row, other, values);
    if (!fixed_bounds(bounds)) continue;
    if (!inside(values.value(row, other), bounds)) return false;
    checked = true;
  }
  return checked;
}

}  // namespace

std::string StoredFigure::message() const {
  std::string text(window);
  if (record != RecordFault::kNone) {
    text.append(" Uses ").append(words).append(", Which Is ").append(fault_words(record));
    return text.append(" -- Choose Other Equipment in the ").append(window).append(" Window");
  }
  text.append(" Holds ").append(takes_an(words) ? "an " : "a ").append(words);
  text.append(" of ").append(shown).append(", Which Is Out of Range -- Open the ");
  return text.append(window).append(" Window to Correct It");
}

std::string StoredFigure::column_words() const {
  if (record == RecordFault::kNone) return words + " Out of Range";
  return words + " Is " + fault_words(record);
}

std::string damaged_record_words(std::string_view file, Int16 id) {
  return record_at_fault(RecordFault::kDamaged, SystemType::NoSystem, "", file, id).column_words();
}

StoredFigure record_at_fault(RecordFault fault, SystemType system, const char* window,
                             std::string_view file, Int16 id) {
  StoredFigure found;
  found.system = system;
  found.window = window;
  found.words = std::string(file) + " Record " + std::to_string(id);
  found.record = fault;
  return found;
}

void add_stored_figures(const StoredTable& table, const CheckValues& values, const ProjectRec& rec,
                        const UnitOptions& units, std::vector<StoredFigure>& found) {
  const std::size_t first = found.size();
  for (const RangeCheck& row : table.rows) {
    if (row.words == nullptr) continue;
    const Display display = units.display_of(row.quantity);
    if (!checked_in(row, display) || !values.holds(row)) continue;
    const Range bounds = bounds_of(row, display, values);
    if (!fixed_bounds(bounds)) continue;
    const double value = values.value(row, display);
    if (inside(value, bounds) || accepted_in_other_display(table.rows, row, display, values))
      continue;
    const auto told = std::span(found).subspan(first);
    if (std::ranges::any_of(told,
                            [&](const StoredFigure& f) { return same_field(f.field, row.field); }))
      continue;
    found.push_back(StoredFigure{.system = table.system,
                                 .window = table.window,
                                 .words = row.words,
                                 .shown = figure_text(row, value, rec, units),
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
