#include "workbook/results_words.h"

#include "model/record/cell_text_forms.h"
#include "model/units/grouped_number.h"
#include "model/units/length.h"

namespace pellavan::workbook {

namespace {

using model::Display;
using model::grouped;

// The two ends of a range of money as the results show amounts: "$738 and $998", in the metric
// display "738 and 998 $ CND".
std::string money_range(double low, double high, const ResultsDisplay& display) {
  // Built by appending: GCC 12 misreads a chain of + on strings as overlapping copies.
  std::string range = display.units.metric ? "" : "$";
  range.append(grouped(low, 0)).append(display.units.metric ? " and " : " and $");
  range.append(grouped(high, 0));
  if (display.units.metric && !display.currency.empty()) range.append(" ").append(display.currency);
  return range;
}

}  // namespace

ResultsDisplay ResultsDisplay::of(const model::ModelState& model) {
  return {model::UnitOptions::of(model.MetricFlag), model::trimmed_text(model.CurrencyLabel)};
}

std::string describe(const FigureSpan& span, const ResultsDisplay& display) {
  std::string text(span.system);
  text.append(" ").append(span.quantity).append(": between ");
  if (span.money) {
    text.append(money_range(span.low, span.high, display)).append(" a year");
  } else if (display.units.display_of(model::Quantity::Length) == Display::Metric) {
    text.append(grouped(model::Ft_To_M(span.low), 1)).append(" and ");
    text.append(grouped(model::Ft_To_M(span.high), 1)).append(" m");
  } else {
    text.append(grouped(span.low, 0)).append(" and ").append(grouped(span.high, 0)).append(" ft");
  }
  return text.append("; the analysis could not settle on one figure");
}

std::optional<std::string> results_warning(const FillOutcome& fill, const ResultsDisplay& display) {
  std::string text;
  if (!fill.usable()) {
    text = "The results of this analysis may be wrong. The analysis found:";
    for (const std::string& line : fill.problems()) text.append("\n").append(line);
  }
  for (const FigureSpan& span : fill.unsettled())
    text.append(text.empty() ? "" : "\n").append(describe(span, display));
  if (text.empty()) return std::nullopt;
  return text;
}

}  // namespace pellavan::workbook
