#pragma once
// What the program tells the user of a fill's results: the one warning a window shows after a
// fill, and the line that names a figure the analysis could not settle on with the range it lies
// in, which the printed reports carry as a note too. The filler gives the figures; their words,
// units and money texts are composed here alone.

#include <optional>
#include <string>

#include "model/input/unit_options.h"
#include "model/model_state.h"
#include "workbook/filler/fill_report_workbook.h"

namespace pellavan::workbook {

// How the results are shown: in the units of the unit options, money in the metric display as
// the amount with the currency identifier after it instead of "$" before it.
struct ResultsDisplay {
  model::UnitOptions units;
  std::string currency;  // trimmed; empty: the amount alone

  [[nodiscard]] static ResultsDisplay of(const model::ModelState& model);
};

// "Geo A heating cost: between $1,641 and $2,186 a year; the analysis could not settle on one
// figure"; metric "between 1,641 and 2,186 $ CND a year", a loop length in m unless feet are
// kept.
[[nodiscard]] std::string describe(const FigureSpan& span, const ResultsDisplay& display);

// The warning a window shows after a fill: for results that are unusable, what failed; then
// each figure the analysis could not settle on, with its range. nullopt for a usable fill that
// settled on every figure.
[[nodiscard]] std::optional<std::string> results_warning(const FillOutcome& fill,
                                                         const ResultsDisplay& display);

}  // namespace pellavan::workbook
