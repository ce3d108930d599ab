// pellavan-calcbench: the analysis workbook for another spreadsheet program to recalculate, so
// that its time and results can be set beside ours (see README.md).
//
//   pellavan-calcbench [--data FOLDER] [--change-limit X] [--settled | --frozen |
//                      --from-previous] --out DIR PREVIOUS.pvn PROJECT.pvn
//
// runs PREVIOUS and then PROJECT through the analysis as the program does and writes into DIR:
//   book.fods     the workbook as PREVIOUS's fill left it before its recalculation: its inputs
//                 written and every formula holding the template's result, which is where the
//                 recalculation of each fill starts (flat_ods.h);
//   inputs.tsv    the cells PROJECT's fill leaves otherwise: sheet, cell, then "number", "text",
//                 "boolean" or "empty" and the value, or "formula" and its OpenDocument text;
//   expected.tsv  our results after PROJECT's fill: sheet, cell, value and the result field's
//                 name for the results read back ("" for other cells), every formula cell
//                 holding a number;
//   acyclic.tsv   our result of every formula cell outside the circular groups and the formulas
//                 between them (loop_region.h), which another program given the same circular
//                 values computes once as we do: sheet, cell, then "number", "text", "boolean",
//                 "error" or "empty" and the value (a text's tab, line break and backslash as
//                 \t, \n and \\).
// --change-limit sets the iteration's limit, of our book and the file's alike, in place of the
// template's. --settled writes PROJECT's filled workbook instead, with no inputs: the other program
// then starts from our solution, so that what differs is how each computes the formulas, not
// where an iteration stopped. --frozen is --settled with the circular groups and the formulas
// between them written as constants holding our values and no result in the other formulas: the
// other program computes only the formulas of acyclic.tsv, each from the very values ours read.
// --from-previous writes PREVIOUS's settled workbook, every formula holding PREVIOUS's result: the
// other program then starts from another project's state, as ours does with pellavan-wbdump --start
// other, and both should land on one answer.
#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "calcbench/flat_ods.h"
#include "calcbench/loop_region.h"
#include "calcbench/open_formula.h"
#include "sheet/address.h"
#include "systems/stored_figures.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_results.h"

namespace {

using namespace pellavan;
namespace fs = std::filesystem;

int usage() {
  std::cerr << "usage: pellavan-calcbench [--data FOLDER] [--change-limit X] [--settled | "
               "--frozen | --from-previous] --out DIR PREVIOUS.pvn PROJECT.pvn\n"
               "FOLDER is the program folder that holds Data (by default the build's).\n";
  return 2;
}

bool run(workbook::ProjectAnalysis& analysis, const fs::path& project) {
  const workbook::AnalysisOutcome outcome = analysis.run_file(project);
  std::cerr << analysis.title << ": " << outcome.fill.passes << " passes, "
            << (outcome.usable() ? "results usable" : "results unusable") << "\n";
  for (const std::string& line : outcome.problems()) std::cerr << "  " << line << "\n";
  return outcome.usable();
}

std::string number_text(double value) {
  std::ostringstream text;
  text << std::setprecision(17) << value;
  return text.str();
}

// "kind\tvalue" of a cell as `book` holds it, the formula rather than its result.
std::string content(const sheet::Book& book, sheet::CellPos pos) {
  if (const auto formula = book.cell_formula(pos))
    return "formula\t" + calcbench::to_open_formula(*formula);
  const sheet::Value v = book.cell_value(pos);
  if (v.is_number()) return "number\t" + number_text(v.as_number());
  if (v.is_text()) return "text\t" + std::string(book.text_of(v));
  if (v.is_boolean()) return std::string("boolean\t") + (v.as_boolean() ? "1" : "0");
  if (v.is_error()) return "formula\tof:=" + std::string(sheet::error_text(v.as_error()));
  return "empty\t";
}

sheet::Book start_of_fill(const sheet::Book& filled) {
  sheet::Book book = filled;
  sheet::Book template_state = filled;
  template_state.return_to_mark();
  calcbench::for_each_used_cell(filled, [&](sheet::CellPos pos) {
    if (book.cell_kind(pos) == sheet::CellKind::kFormula &&
        template_state.cell_kind(pos) == sheet::CellKind::kFormula)
      book.set_cached_value(pos, template_state.cell_value(pos));
  });
  return book;
}

void write_inputs(const sheet::Book& before, const sheet::Book& after, std::ostream& out) {
  for (int s = 0; s < after.sheet_count(); ++s) {
    const auto a = before.used_range(s);
    const auto b = after.used_range(s);
    if (!a && !b) continue;
    const int rows = std::max(a ? a->last_row : 0, b ? b->last_row : 0);
    const int cols = std::max(a ? a->last_col : 0, b ? b->last_col : 0);
    for (int r = 0; r <= rows; ++r) {
      for (int c = 0; c <= cols; ++c) {
        const std::string now = content(after, {s, r, c});
        if (now != content(before, {s, r, c}))
          out << after.sheet(s).name() << '\t' << sheet::format_a1(r, c) << '\t' << now << '\n';
      }
    }
  }
}

void write_expected(const sheet::Book& book, std::ostream& out) {
  for (const workbook::SummaryResultCell& r : workbook::summary_result_cells()) {
    sheet::CellPos pos = *sheet::parse_a1(r.cell);
    pos.sheet = r.sheet - 1;
    out << book.sheet(pos.sheet).name() << '\t' << r.cell << '\t' << book.cell_text(pos) << '\t'
        << r.field_name << '\n';
  }
  calcbench::for_each_used_cell(book, [&](sheet::CellPos pos) {
    const sheet::Value v = book.cell_value(pos);
    if (book.cell_kind(pos) == sheet::CellKind::kFormula && v.is_number())
      out << book.sheet(pos.sheet).name() << '\t' << sheet::format_a1(pos.row, pos.col) << '\t'
          << number_text(v.as_number()) << "\t\n";
  });
}

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

void write_acyclic(const sheet::Book& book, const std::unordered_set<sheet::CellPos>& region,
                   std::ostream& out) {
  calcbench::for_each_used_cell(book, [&](sheet::CellPos pos) {
    if (book.cell_kind(pos) != sheet::CellKind::kFormula || region.contains(pos)) return;
    const sheet::Value v = book.cell_value(pos);
    out << book.sheet(pos.sheet).name() << '\t' << sheet::format_a1(pos.row, pos.col) << '\t';
    if (v.is_number()) out << "number\t" << number_text(v.as_number());
    if (v.is_text()) out << "text\t" << escaped(book.text_of(v));
    if (v.is_boolean()) out << "boolean\t" << (v.as_boolean() ? 1 : 0);
    if (v.is_error()) out << "error\t" << sheet::error_text(v.as_error());
    if (v.is_empty()) out << "empty\t";
    out << '\n';
  });
}

// `book` with each cell of `region` holding its value as a constant, and every other formula
// holding no result, so that each result compared is the other program's own.
sheet::Book frozen(const sheet::Book& book, const std::unordered_set<sheet::CellPos>& region) {
  sheet::Book out = book;
  calcbench::for_each_used_cell(book, [&](sheet::CellPos pos) {
    if (region.contains(pos)) {
      out.set_cell_value(pos, book.cell_value(pos));
    } else if (book.cell_kind(pos) == sheet::CellKind::kFormula) {
      out.set_cached_value(pos, sheet::Value());
    }
  });
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string program_folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  double change_limit = 0.0;
  bool settled = false;
  bool freeze = false;
  bool from_previous = false;
  fs::path out_dir;
  std::vector<fs::path> projects;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--data" && i + 1 < argc) {
      program_folder = argv[++i];
    } else if (arg == "--change-limit" && i + 1 < argc) {
      change_limit = std::stod(argv[++i]);
      if (!(change_limit > 0.0)) return usage();
    } else if (arg == "--settled") {
      settled = true;
    } else if (arg == "--frozen") {
      settled = freeze = true;
    } else if (arg == "--from-previous") {
      from_previous = true;
    } else if (arg == "--out" && i + 1 < argc) {
      out_dir = argv[++i];
    } else if (!arg.starts_with("--")) {
      projects.emplace_back(arg);
    } else {
      return usage();
    }
  }
  if (out_dir.empty() || projects.size() != 2 || (settled && from_previous)) return usage();
  try {
    fs::create_directories(out_dir);
    workbook::ProjectAnalysis analysis(program_folder);
    // As the program: a system resting on a figure it refuses is kept out of the analysis.
    analysis.check_stored_figures(&systems::stored_figures);
    if (change_limit > 0.0) analysis.book.settings().change_limit = change_limit;
    bool usable = run(analysis, projects[0]);
    const sheet::Book previous = analysis.book;
    usable = run(analysis, projects[1]) && usable;
    const auto region = calcbench::loop_region(analysis.book);
    std::cerr << analysis.book.formula_count() - region.size()
              << " formulas outside the circular groups, " << region.size()
              << " in them and between them\n";
    std::ofstream ods(out_dir / "book.fods");
    calcbench::write_flat_ods(freeze          ? frozen(analysis.book, region)
                              : settled       ? analysis.book
                              : from_previous ? previous
                                              : start_of_fill(previous),
                              ods);
    std::ofstream inputs(out_dir / "inputs.tsv");
    write_inputs(settled ? analysis.book : previous, analysis.book, inputs);
    std::ofstream expected(out_dir / "expected.tsv");
    write_expected(analysis.book, expected);
    std::ofstream acyclic(out_dir / "acyclic.tsv");
    write_acyclic(analysis.book, region, acyclic);
    return usable ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "pellavan-calcbench: " << e.what() << '\n';
    return 1;
  }
}
