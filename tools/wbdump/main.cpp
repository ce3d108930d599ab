// pellavan-wbdump: the cells of a workbook as text (see book_dump.h).
//
//   pellavan-wbdump --template [--book report|loads]   a built-in book as stored, recalculated
//   pellavan-wbdump [--data FOLDER] PROJECT.pvn        the analysis workbook filled from a project
//
// A project runs the load calculation and the fill against the Data folder inside FOLDER (the
// program's folder; by default the build's). What the calculation and the fill report goes to
// stderr.
#include <exception>
#include <iostream>
#include <string>

#include "loads/building_load/building_load_book.h"
#include "wbdump/book_dump.h"
#include "wbdump/project_fill.h"
#include "workbook/report_workbook_template.h"

namespace {

int usage() {
  std::cerr << "usage: pellavan-wbdump --template [--book report|loads]\n"
               "       pellavan-wbdump [--data FOLDER] PROJECT.pvn\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace pellavan;
  bool from_template = false;
  std::string book_name = "report";
  std::string program_folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  std::string project;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    if (arg == "--template") {
      from_template = true;
    } else if (arg == "--book" && has_value) {
      book_name = argv[++i];
    } else if (arg == "--data" && has_value) {
      program_folder = argv[++i];
    } else if (!arg.starts_with("--") && project.empty()) {
      project = arg;
    } else {
      return usage();
    }
  }
  if (from_template == !project.empty() || (book_name != "report" && book_name != "loads")) return usage();
  if (!project.empty() && book_name != "report") return usage();
  try {
    if (from_template) {
      sheet::Book book = book_name == "loads" ? loads::make_building_load_book() : workbook::load_report_template();
      if (book_name == "report") book.recalc();  // the building-load book comes calculated
      wbdump::dump_book(book, std::cout);
      return 0;
    }
    const wbdump::ProjectFill fill = wbdump::fill_project(project, program_folder);
    std::cerr << fill.notes;
    wbdump::dump_book(fill.book, std::cout);
    return fill.filled ? 0 : 1;
  } catch (const std::exception& e) {
    std::cerr << "pellavan-wbdump: " << e.what() << '\n';
    return 1;
  }
}
