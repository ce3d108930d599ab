#pragma once
// The Done flow of the project-information window (the load calculation, the minimum backup heat,
// the fill) for one project's systems, in every city of the climate table, with three houses:
// the project's own building, a small well-insulated one and a large leaky one, each with the
// heating and cooling Delta T the city's design temperatures call for, in both unit displays; and
// the load calculation alone for each city and house with every setting of the load corrections.

#include <filesystem>
#include <functional>
#include <iosfwd>

#include "workbook/analysis_run.h"

namespace pellavan::wbdump {

// How far a compared figure of a fill that went round a cycle may move, in %, when the fill is
// asked for again.
inline constexpr double kRepeatPercent = 0.5;

struct SweepSummary {
  int pairs = 0;          // city, house and display runs
  int loads_refused = 0;  // load calculations that were not valid
  int unsettled = 0;      // fills whose recalculation stopped at the pass cap
  int cycled = 0;         // fills in which a circular group cycled and was settled at its mean
  int warned = 0;         // fills with a compared figure the analysis could not settle on
  // The largest deviation in % of a cycled fill's compared figure when it is asked for again
  // (repeat_check.h), and the fills beyond kRepeatPercent.
  double worst_repeat = 0.0;
  int not_repeated = 0;
  int most_load_passes = 0;
  int most_fill_passes = 0;
  double largest_last_change = 0.0;  // of a fill's last pass
  // The load calculation alone, city by city and house by house, for every setting of the four
  // load corrections.
  int load_settings = 0;
  int settings_refused = 0;
  int most_setting_passes = 0;
};

// Prints one line per run to `out` and returns the counts. `prepare`, when set, is called on the
// sweep's analysis before its first run: where its fills start, formulas put in.
SweepSummary run_done_sweep(const std::filesystem::path& program_folder,
                            const std::filesystem::path& project, std::ostream& out,
                            const std::function<void(workbook::ProjectAnalysis&)>& prepare = {});

}  // namespace pellavan::wbdump
