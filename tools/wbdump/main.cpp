// pellavan-wbdump: the cells of a workbook as text (see book_dump.h).
//
//   pellavan-wbdump --template [--book report|loads]             a built-in book as stored,
//   recalculated pellavan-wbdump [--data FOLDER] [--metric] P1.pvn [P2.pvn ...]  the analysis
//   workbook filled from projects
//
// Projects run one after another on one pair of workbooks, as the program runs them, each through
// the load calculation and the fill against the Data folder inside FOLDER (the program's folder;
// by default the build's); the workbook is dumped after the last. --metric shows metric units, as
// the unit options of the settings file can. What each run reports goes to stderr, a figure the
// analysis could not settle on on a line beginning "uncertain:"; the exit code is 1 when a project
// could not be read or the results of any are unusable.
//
//   pellavan-wbdump [--data FOLDER] --sweep PROJECT.pvn
//
// runs the project's systems through the Done flow in every city of the climate table with three
// houses in both displays (see done_sweep.h), one line each; the exit code is 1 when a load
// calculation was refused, a recalculation did not settle or a figure of one that went round a
// cycle did not come back when asked for again (repeat_check.h).
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "loads/building_load/building_load_book.h"
#include "wbdump/book_dump.h"
#include "wbdump/done_sweep.h"
#include "workbook/filler/unsettled_results.h"
#include "workbook/analysis_run.h"
#include "workbook/report_workbook_template.h"

namespace {

int usage() {
  std::cerr << "usage: pellavan-wbdump --template [--book report|loads]\n"
               "       pellavan-wbdump [--data FOLDER] [--metric] PROJECT.pvn [PROJECT.pvn ...]\n"
               "       pellavan-wbdump [--data FOLDER] --sweep PROJECT.pvn\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pellavan;
  bool from_template = false;
  bool metric = false;
  bool sweep = false;
  std::string book_name = "report";
  std::string program_folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  std::vector<std::string> projects;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--template") {
      from_template = true;
    } else if (arg == "--book" && has_value) {
      book_name = argv[++i];
    } else if (arg == "--data" && has_value) {
      program_folder = argv[++i];
    } else if (arg == "--metric") {
      metric = true;
    } else if (arg == "--sweep") {
      sweep = true;
    } else if (!arg.starts_with("--")) {
      projects.push_back(arg);
    } else {
      return usage();
    }
  }
  if (from_template == !projects.empty() || (book_name != "report" && book_name != "loads"))
    return usage();
  if (!projects.empty() && book_name != "report") return usage();
  if (sweep && (projects.size() != 1 || metric)) return usage();
  try {
    if (sweep) {
      const wbdump::SweepSummary sum =
          wbdump::run_done_sweep(program_folder, projects[0], std::cout);
      std::cerr << sum.pairs << " runs: " << sum.loads_refused << " loads refused, "
                << sum.unsettled << " unsettled, " << sum.cycled << " went round a cycle, "
                << sum.warned << " carry a warning of a figure not settled on; at most "
                << sum.most_load_passes << " load passes and " << sum.most_fill_passes
                << " analysis passes; largest change in a last pass " << sum.largest_last_change
                << "\n"
                << sum.load_settings << " load calculations with every setting of the corrections: "
                << sum.settings_refused << " refused, at most " << sum.most_setting_passes
                << " passes\n"
                << "cycled fills asked for again: every compared figure within " << sum.worst_repeat
                << " %, " << sum.not_repeated << " fills beyond " << wbdump::kRepeatPercent
                << " %\n";
      const bool sound = sum.loads_refused == 0 && sum.unsettled == 0 &&
                         sum.settings_refused == 0 && sum.not_repeated == 0;
      return sound ? 0 : 1;
    }
    if (from_template) {
      sheet::Book book = book_name == "loads" ? loads::make_building_load_book()
                                              : workbook::load_report_template();
      if (book_name == "report") book.recalc();  // the building-load book comes calculated
      wbdump::dump_book(book, std::cout);
      return 0;
    }
    workbook::ProjectAnalysis analysis(program_folder);
    if (metric) analysis.model.MetricFlag(model::kMetricDisplay) = -1;
    bool usable = true;
    for (const std::string& project : projects) {
      const workbook::AnalysisOutcome outcome = analysis.run_file(project);
      std::cerr << analysis.title << ": " << outcome.fill.passes << " passes, "
                << (outcome.usable() ? "results usable" : "results unusable") << "\n";
      for (const std::string& line : outcome.problems()) std::cerr << "  " << line << "\n";
      for (const workbook::FigureSpan& span : outcome.fill.unsettled()) {
        std::cerr << "uncertain: " << span.system << ' ' << span.quantity << ' ' << span.figure
                  << ", between " << span.low << " and " << span.high << " (" << span.percent()
                  << " %)\n";
      }
      usable = usable && outcome.usable();
    }
    wbdump::dump_book(analysis.book, std::cout);
    return usable ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "pellavan-wbdump: " << e.what() << '\n';
    return 1;
  }
}
