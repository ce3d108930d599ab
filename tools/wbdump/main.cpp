// pellavan-wbdump: the cells of a workbook as text (see book_dump.h).
//
//   pellavan-wbdump --template [--book report|loads]             a built-in book as stored,
//   recalculated pellavan-wbdump [--data FOLDER] [--metric] P1.pvn [P2.pvn ...]  the analysis
//   workbook filled from projects
//
// Projects run one after another on one pair of workbooks, as the program runs them, each through
// the load calculation and the fill against the Data folder inside FOLDER (the program's folder
// that holds Data; by default the build's); the workbook is dumped after the last.
//
// --start lockout | other PROJECT.pvn | calc FILE starts each fill's recalculation from another
// state than the template's (start_states.h): every backup carrying its bins alone, the settled
// book of PROJECT, or the values LibreOffice computed (recalc_in_calc.py --values FILE); the
// results read back then go to stdout, one "result" line each, in place of the dump.
// --formula SHEET!CELL (repeatable) prints that cell's formula and value in place of the dump.
// --house small|large CITY runs each project's systems in that house of the sweep in the city of
// that id (sweep_houses.h), as the project window's Done finds it; --save FILE writes that
// project file as well. --start template prints the
// results of an ordinary fill. --override SHEET!RANGE FORMULA (repeatable) fills a template with
// another formula over the range (formula_override.h). --metric shows metric units, as the unit
// options of the settings file can. What each run reports goes to stderr, a figure the analysis
// could not settle on on a line beginning "uncertain:", a circular group that went round a cycle on
// one beginning "cycle:"; the exit code is 1 when a project could not be read or the results of any
// are unusable.
//
//   pellavan-wbdump [--data FOLDER] [--start ...] [--override ...] --sweep PROJECT.pvn
//
// runs the project's systems through the Done flow in every city of the climate table with three
// houses in both displays (see done_sweep.h), one line each; the exit code is 1 when a load
// calculation was refused, a recalculation did not settle or a figure of one that went round a
// cycle did not come back when asked for again (repeat_check.h).
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string_view>
#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "loads/building_load/building_load_book.h"
#include "model/catalogue/catalogue_files.h"
#include "model/catalogue/catalogue_scan.h"
#include "model/project/project_file.h"
#include "sheet/address.h"
#include "wbdump/book_dump.h"
#include "wbdump/done_sweep.h"
#include "wbdump/formula_override.h"
#include "wbdump/start_states.h"
#include "wbdump/sweep_houses.h"
#include "workbook/filler/summary_results.h"
#include "workbook/filler/unsettled_results.h"
#include "systems/stored_figures.h"
#include "workbook/analysis_run.h"
#include "workbook/report_workbook_template.h"

namespace {

int usage() {
  std::cerr << "usage: pellavan-wbdump --template [--book report|loads] [--formula SHEET!CELL]\n"
               "       pellavan-wbdump [--data FOLDER] [--metric] [--start template|lockout|other "
               "PROJECT.pvn|calc FILE]\n"
               "                       [--formula SHEET!CELL] [--override SHEET!RANGE FORMULA]\n"
               "                       [--house small|large CITY [--save FILE.pvn]]\n"
               "                       PROJECT.pvn [PROJECT.pvn ...]\n"
               "       pellavan-wbdump [--data FOLDER] [--start lockout|other PROJECT.pvn]\n"
               "                       [--override SHEET!RANGE FORMULA] --sweep PROJECT.pvn\n"
               "FOLDER is the program folder that holds Data (by default the build's).\n";
  return 2;
}

// "Sheet!A1" of `book`, nullopt when there is no such sheet or cell.
std::optional<pellavan::sheet::CellPos> find_cell(const pellavan::sheet::Book& book,
                                                  const std::string& text) {
  const auto range = pellavan::wbdump::find_range(book, text);
  if (!range) return std::nullopt;
  return pellavan::sheet::CellPos{range->sheet, range->first_row, range->first_col};
}

void print_results(const pellavan::sheet::Book& book) {
  for (const pellavan::workbook::SummaryResultCell& r :
       pellavan::workbook::summary_result_cells()) {
    pellavan::sheet::CellPos pos = *pellavan::sheet::parse_a1(r.cell);
    pos.sheet = r.sheet - 1;
    std::cout << "result\t" << book.sheet(pos.sheet).name() << '!' << r.cell << '\t' << r.field_name
              << '\t' << book.cell_text(pos) << '\n';
  }
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
  std::vector<std::string> formulas;
  std::vector<wbdump::FormulaOverride> overrides;
  std::string start;
  std::string start_from;
  const wbdump::House* house = nullptr;
  int city = 0;
  std::string save;
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
    } else if (arg == "--override" && i + 2 < argc) {
      overrides.push_back({argv[i + 1], argv[i + 2]});
      i += 2;
    } else if (arg == "--house" && i + 2 < argc) {
      for (const wbdump::House& h : wbdump::sweep_houses()) {
        if (h.name == std::string_view(argv[i + 1]) && h.heat_load != 0) house = &h;
      }
      city = std::atoi(argv[i + 2]);
      if (house == nullptr || city <= 0) return usage();
      i += 2;
    } else if (arg == "--save" && has_value) {
      save = argv[++i];
    } else if (arg == "--formula" && has_value) {
      formulas.emplace_back(argv[++i]);
    } else if (arg == "--start" && has_value) {
      start = argv[++i];
      if (start == "other" || start == "calc") {
        if (i + 1 >= argc) return usage();
        start_from = argv[++i];
      } else if (start != "lockout" && start != "template") {
        return usage();
      }
    } else if (!arg.starts_with("--")) {
      projects.push_back(arg);
    } else {
      return usage();
    }
  }
  if (from_template == !projects.empty() || (book_name != "report" && book_name != "loads"))
    return usage();
  if (!projects.empty() && book_name != "report") return usage();
  if (sweep && (projects.size() != 1 || metric || start == "calc")) return usage();
  if (from_template && !start.empty()) return usage();
  const auto show = [&formulas](const sheet::Book& book) {
    if (formulas.empty()) {
      wbdump::dump_book(book, std::cout);
      return true;
    }
    bool found = true;
    for (const std::string& cell : formulas) {
      const auto pos = find_cell(book, cell);
      if (!pos) {
        std::cerr << "pellavan-wbdump: no cell " << cell << '\n';
        found = false;
        continue;
      }
      std::cout << cell << "\t=" << book.cell_formula(*pos).value_or("") << '\t'
                << book.cell_text(*pos) << '\n';
    }
    return found;
  };
  // The formulas put in and where the fills start, on an analysis before its first run.
  const auto prepare = [&](workbook::ProjectAnalysis& analysis) {
    analysis.check_stored_figures(&systems::stored_figures);
    if (!overrides.empty()) analysis.book = wbdump::template_with(overrides);
    if (start == "lockout") analysis.start_from(wbdump::start_locked_out());
    if (start == "calc") analysis.start_from(wbdump::start_from_values(start_from));
    if (start == "other") {
      workbook::ProjectAnalysis other(program_folder);
      if (metric) other.model.MetricFlag(model::kMetricDisplay) = -1;
      if (!overrides.empty()) other.book = wbdump::template_with(overrides);
      const workbook::AnalysisOutcome outcome = other.run_file(start_from);
      std::cerr << other.title << " (the start): " << outcome.fill.passes << " passes\n";
      analysis.start_from(wbdump::start_from_book(other.book));
    }
  };
  try {
    if (sweep) {
      const wbdump::SweepSummary sum =
          wbdump::run_done_sweep(program_folder, projects[0], std::cout, prepare);
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
      return show(book) ? 0 : 1;
    }
    workbook::ProjectAnalysis analysis(program_folder);
    if (metric) analysis.model.MetricFlag(model::kMetricDisplay) = -1;
    prepare(analysis);
    bool usable = true;
    for (const std::string& project : projects) {
      workbook::AnalysisOutcome outcome;
      if (house != nullptr) {
        model::ProjectRec p = workbook::read_project_for_analysis(project);
        model::CityRec record;
        p.Loads_CityId = static_cast<model::Int16>(city);
        if (!model::find_catalogue_record(analysis.model.data_files, analysis.model.program_folder,
                                          model::kCityFile, p.Loads_CityId, record))
          throw std::runtime_error("no city of id " + std::to_string(city));
        wbdump::set_house(p, *house, record);
        if (!save.empty() && model::write_project_file(save, p))
          throw std::runtime_error(save + ": cannot be written");
        analysis.model.ProjectRec = p;
        analysis.title = std::string(house->name) + " house";
        outcome = analysis.run();
      } else {
        outcome = analysis.run_file(project);
      }
      std::cerr << analysis.title << ": " << outcome.fill.passes << " passes, "
                << (outcome.usable() ? "results usable" : "results unusable") << "\n";
      for (const std::string& line : outcome.problems()) std::cerr << "  " << line << "\n";
      for (const workbook::FigureSpan& span : outcome.fill.unsettled()) {
        std::cerr << "uncertain: " << span.system << ' ' << span.quantity << ' ' << span.figure
                  << ", between " << span.low << " and " << span.high << " (" << span.percent()
                  << " %)\n";
      }
      for (const sheet::GroupReport& g : analysis.book.last_recalc().groups) {
        if (g.cycle_round == 0) continue;
        std::cerr << "cycle: the group of " << analysis.book.sheet(g.first_cell.sheet).name() << '!'
                  << sheet::format_a1(g.first_cell.row, g.first_cell.col) << " (" << g.cells
                  << " cells) went round " << g.cycle_round << " states\n";
      }
      usable = usable && outcome.usable();
    }
    if (!start.empty() && formulas.empty()) {
      print_results(analysis.book);
      return usable ? 0 : 1;
    }
    return show(analysis.book) && usable ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "pellavan-wbdump: " << e.what() << '\n';
    return 1;
  }
}
