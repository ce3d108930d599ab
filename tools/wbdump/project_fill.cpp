#include "wbdump/project_fill.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "loads/building_load/building_load_book.h"
#include "loads/calc/load_calculation.h"
#include "sheet/book_control.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::wbdump {

namespace {

model::ProjectRec read_project(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(path.string() + ": cannot be opened");
  const std::vector<std::uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (image.size() < model::ProjectRec::kFileSize)
    throw std::runtime_error(path.string() + ": shorter than one project record");
  const auto project = model::decode_record<model::ProjectRec>(image);
  if (project.FileTag.str() != "KQ7")
    throw std::runtime_error(path.string() + ": tagged \"" + project.FileTag.str() +
                             "\", not a project of this version (KQ7)");
  return project;
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
