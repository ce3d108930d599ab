#pragma once
// A project file run as the program runs it before its reports: the load calculation on the
// building-load workbook, then a fill of a fresh analysis workbook with its one recalculation.

#include <filesystem>
#include <string>

#include "loads/calc/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/book.h"
#include "workbook/filler/fill_report_workbook.h"

namespace pellavan::wbdump {

struct ProjectFill {
  model::ModelState model;
  loads::LoadCalcState loads;
  sheet::Book book;   // the analysis workbook after the fill
  std::string title;  // the project file's bare name
  std::string notes;  // what the load calculation and the fill reported, one line each
  bool filled = false;
};

// Reads `project` (a ".pvn" file; older versions are converted) and fills against the Data folder in
// `program_folder`. A file that is no project the program could open throws std::runtime_error with
// the reason; a missing data file ends the program after its message.
ProjectFill fill_project(const std::filesystem::path& project, const std::filesystem::path& program_folder);

// One more fill of the same workbook from the same project, as every later run of the program.
workbook::FillOutcome fill_again(ProjectFill& fill);

}  // namespace pellavan::wbdump
