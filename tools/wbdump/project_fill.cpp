#include "wbdump/project_fill.h"

#include <stdexcept>

#include "loads/building_load/building_load_book.h"
#include "loads/calc/load_calculation.h"
#include "model/project/file_conversion.h"
#include "model/project/project_file.h"
#include "sheet/book_control.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::wbdump {

namespace {

// The project as Open_Analysis takes it: read whole, refused unless tagged by a known version,
// then brought to the current one.
model::ProjectRec read_project(const std::filesystem::path& path) {
  model::ProjectRead read = model::read_project_file(path);
  switch (read.status) {
    case model::ProjectReadStatus::kOk: break;
    case model::ProjectReadStatus::kUnreadable: throw std::runtime_error(path.string() + ": cannot be read");
    case model::ProjectReadStatus::kNewer:
      throw std::runtime_error(path.string() + ": saved by a later version (tag \"" + read.tag + "\")");
    case model::ProjectReadStatus::kDamaged:
      throw std::runtime_error(path.string() + ": no project file (tag \"" + read.tag + "\")");
    case model::ProjectReadStatus::kShort: throw std::runtime_error(path.string() + ": shorter than one project record");
  }
  model::DefaultZoom zoom;
  model::take_report_zoom(read.record, zoom);
  model::FileConversion(read.record, read.tag, zoom);
  return read.record;
}

std::string status_note(loads::LoadCalcStatus status) {
  switch (status) {
    case loads::LoadCalcStatus::kValid: return "loads: valid\n";
    case loads::LoadCalcStatus::kInvalid: return "loads: " + std::string(loads::kLoadsInvalidMessage) + "\n";
    case loads::LoadCalcStatus::kCityNotFound: return "loads: no city has the project's city id\n";
  }
  return {};
}

std::string outcome_notes(const workbook::FillOutcome& outcome, const sheet::RecalcReport& recalc) {
  if (!outcome.filled) return "fill refused: " + outcome.refusal + "\n";
  std::string notes;
  for (const auto field : outcome.clamped_results) notes += "clamped: " + std::string(field) + "\n";
  return notes + "recalculation: " + std::to_string(recalc.passes) + " passes, " +
         (recalc.converged ? "converged" : "not converged") + "\n";
}

}  // namespace

ProjectFill fill_project(const std::filesystem::path& project, const std::filesystem::path& program_folder) {
  ProjectFill fill{.model = {}, .loads = {}, .book = workbook::load_report_template(),
                   .title = project.filename().string(), .notes = {}, .filled = false};
  fill.model.program_folder = program_folder;
  fill.model.ProjectRec = read_project(project);
  sheet::Book loads_book = loads::make_building_load_book();
  sheet::BookControl loads_control(loads_book);
  fill.notes = status_note(loads::Calc_Loads(fill.model, loads_control, fill.loads));
  fill_again(fill);
  return fill;
}

workbook::FillOutcome fill_again(ProjectFill& fill) {
  workbook::FillContext ctx(fill.model, fill.loads, fill.book, fill.title);
  const workbook::FillOutcome outcome = workbook::Fill_ReportWorkbook(ctx);
  fill.filled = outcome.filled;
  fill.notes += outcome_notes(outcome, fill.book.last_recalc());
  return outcome;
}

}  // namespace pellavan::wbdump
