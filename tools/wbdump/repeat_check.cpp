#include "wbdump/repeat_check.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "workbook/filler/unsettled_results.h"

namespace pellavan::wbdump {

namespace {

std::vector<workbook::ComparedFigure> figures(workbook::ProjectAnalysis& analysis) {
  const workbook::FillContext ctx(analysis.model, analysis.loads, analysis.book);
  return workbook::compared_figures(ctx);
}

// The largest deviation in % of the figures now from the reported ones.
double deviation(const std::vector<workbook::ComparedFigure>& reported,
                 const std::vector<workbook::ComparedFigure>& now) {
  if (now.size() != reported.size()) return std::numeric_limits<double>::infinity();
  double worst = 0;
  for (std::size_t k = 0; k < now.size(); ++k) {
    const double was = reported[k].figure;
    const double moved = std::fabs(now[k].figure - was);
    if (moved == 0) continue;
    worst = std::max(
        worst, was == 0 ? std::numeric_limits<double>::infinity() : 100 * moved / std::fabs(was));
  }
  return worst;
}

}  // namespace

double RepeatCheck::worst() const { return std::max({restarted, from_states, finer_limit}); }

RepeatCheck check_repeats(workbook::ProjectAnalysis& analysis, const sheet::RecalcReport& filled) {
  RepeatCheck check;
  sheet::Book& book = analysis.book;
  const std::vector<workbook::ComparedFigure> reported = figures(analysis);
  const int round = filled.cycle_round();

  book.recalc();
  check.restarted = deviation(reported, figures(analysis));

  for (int k = 0; k < round; ++k) {
    const workbook::FillOutcome fill = analysis.fill();
    book.put_cycle_state(fill.recalc, k);
    book.recalc();
    check.from_states = std::max(check.from_states, deviation(reported, figures(analysis)));
  }

  sheet::CalcSettings& settings = book.settings();
  const double limit = settings.change_limit;
  settings.change_limit = limit / 10;
  (void)analysis.fill();
  settings.change_limit = limit;
  check.finer_limit = deviation(reported, figures(analysis));

  (void)analysis.fill();
  return check;
}

}  // namespace pellavan::wbdump
