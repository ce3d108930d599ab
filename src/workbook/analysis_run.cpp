#include "workbook/analysis_run.h"

#include <stdexcept>
#include <utility>

#include "loads/building_load/building_load_book.h"
#include "model/project/file_conversion.h"
#include "model/project/project_file.h"
#include "workbook/filler/refused_figures.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::workbook {

std::vector<std::string> AnalysisOutcome::problems() const {
  std::vector<std::string> lines;
  switch (loads) {
    case loads::LoadCalcStatus::kValid: break;
    case loads::LoadCalcStatus::kInvalid:
      lines.push_back("loads: " + std::string(loads::kLoadsInvalidMessage));
      break;
    case loads::LoadCalcStatus::kCityNotFound:
      lines.emplace_back("loads: no city has the project's city id");
      break;
  }
  for (std::string& line : fill.problems()) lines.push_back(std::move(line));
  return lines;
}

loads::LoadCalcStatus AnalysisRun::calculate_loads() {
  return loads::Calc_Loads(model_, building_load_, loads_, refused_figures(stored_check_, model_));
}

FillOutcome AnalysisRun::fill(std::string project_file_title, ChartFiller* charts) {
  FillContext ctx(model_, loads_, report_, std::move(project_file_title));
  ctx.charts = charts;
  ctx.stored_check = stored_check_;
  return Fill_ReportWorkbook(ctx);
}

loads::MinBackupOutcome AnalysisRun::raise_to_minimum_backup() {
  return loads::Min_Backup(model_, loads_, loads::RaiseInputs::kYes,
                           refused_figures(stored_check_, model_));
}

loads::LoadCalcStatus AnalysisRun::calculate_loads_for_fill() {
  const std::vector<model::StoredFigure> kept_out = refused_figures(stored_check_, model_);
  const loads::LoadCalcStatus status = loads::Calc_Loads(model_, building_load_, loads_, kept_out);
  loads::Min_Backup(model_, loads_, loads::RaiseInputs::kYes, kept_out);
  return status;
}

AnalysisOutcome AnalysisRun::run(std::string project_file_title, ChartFiller* charts) {
  AnalysisOutcome outcome;
  outcome.loads = calculate_loads_for_fill();
  outcome.fill = fill(std::move(project_file_title), charts);
  return outcome;
}

model::ProjectRec read_project_for_analysis(const std::filesystem::path& path) {
  model::ProjectRead read = model::read_project_file(path);
  switch (read.status) {
    case model::ProjectReadStatus::kOk: break;
    case model::ProjectReadStatus::kUnreadable:
      throw std::runtime_error(path.string() + ": cannot be read");
    case model::ProjectReadStatus::kNewer:
      throw std::runtime_error(path.string() + ": saved by a later version (tag \"" + read.tag +
                               "\")");
    case model::ProjectReadStatus::kDamaged:
      throw std::runtime_error(path.string() + ": no project file (tag \"" + read.tag + "\")");
    case model::ProjectReadStatus::kShort:
      throw std::runtime_error(path.string() + ": shorter than one project record");
  }
  model::DefaultZoom zoom;
  model::take_report_zoom(read.record, zoom);
  model::FileConversion(read.record, read.tag, zoom);
  return read.record;
}

ProjectAnalysis::ProjectAnalysis(std::filesystem::path program_folder)
    : book(load_report_template()),
      building_load(loads::make_building_load_book()),
      building_load_control_(building_load),
      report_control_(book),
      run_(model, loads, building_load_control_, report_control_) {
  model.program_folder = std::move(program_folder);
}

AnalysisOutcome ProjectAnalysis::run_file(const std::filesystem::path& project) {
  model.ProjectRec = read_project_for_analysis(project);
  title = project.filename().string();
  return run();
}

FillOutcome ProjectAnalysis::fill() {
  if (!start_) return run_.fill(title, charts);
  FillContext ctx(model, loads, report_control_, title);
  ctx.charts = charts;
  ctx.stored_check = run_.stored_check();
  if (std::optional<FillOutcome> refused = write_fill_inputs(ctx)) return std::move(*refused);
  start_(book);
  return recalculate_fill(ctx);
}

AnalysisOutcome ProjectAnalysis::run() {
  AnalysisOutcome outcome;
  outcome.loads = run_.calculate_loads_for_fill();
  outcome.fill = fill();
  return outcome;
}

}  // namespace pellavan::workbook
