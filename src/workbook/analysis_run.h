#pragma once
// The analysis of a project as the program runs it: the load calculation on the building-load
// workbook, the backup inputs raised to the building's minimum as the project window's Done
// raises them, then the fill of the analysis workbook with its one recalculation and the 22
// results read back. The program's windows, the dump tool and the tests all go through it.

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "loads/calc/load_calculation.h"
#include "model/load_calc_state.h"
#include "model/model_state.h"
#include "sheet/book.h"
#include "sheet/book_control.h"
#include "workbook/filler/fill_report_workbook.h"

namespace pellavan::workbook {

struct AnalysisOutcome {
  loads::LoadCalcStatus loads = loads::LoadCalcStatus::kValid;
  FillOutcome fill;

  // The load calculation was valid and the fill usable.
  [[nodiscard]] bool usable() const {
    return loads == loads::LoadCalcStatus::kValid && fill.usable();
  }
  // What went wrong, one line each; empty when usable.
  [[nodiscard]] std::vector<std::string> problems() const;
};

// The two steps over workbooks and state that live elsewhere (the program's windows own them).
class AnalysisRun {
 public:
  AnalysisRun(model::ModelState& model, model::LoadCalcState& load_results,
              sheet::BookControl& building_load, sheet::BookControl& report)
      : model_(model), loads_(load_results), building_load_(building_load), report_(report) {}

  // Without the refused figures (refused_figures.h).
  loads::LoadCalcStatus calculate_loads();
  // The backup inputs raised to the building's minimum of the last load calculation, as the
  // project window's Done raises them, but those kept out of the analysis.
  loads::MinBackupOutcome raise_to_minimum_backup();
  // The load calculation with the backup inputs raised to the building's minimum after it, as
  // the project window's Done raises them: the first half of run().
  loads::LoadCalcStatus calculate_loads_for_fill();
  FillOutcome fill(std::string project_file_title, ChartFiller* charts = nullptr);
  [[nodiscard]] const model::ModelState& model() const { return model_; }
  AnalysisOutcome run(std::string project_file_title, ChartFiller* charts = nullptr);
  // The check of the stored figures every load calculation and fill from now on makes
  // (FillContext::stored_check).
  void check_stored_figures(StoredFigureCheck check) { stored_check_ = check; }
  [[nodiscard]] StoredFigureCheck stored_check() const { return stored_check_; }

 private:
  StoredFigureCheck stored_check_ = nullptr;
  model::ModelState& model_;
  model::LoadCalcState& loads_;
  sheet::BookControl& building_load_;
  sheet::BookControl& report_;
};

// The project of a project file as the program opens it: read whole, refused unless tagged by a
// version the program knows (std::runtime_error saying why), then brought to the current version.
model::ProjectRec read_project_for_analysis(const std::filesystem::path& path);

// Sets the values a fill's recalculation starts from, once the fill has written its inputs: a
// developer's way to see whether the analysis lands where it lands from the template's state.
using StartState = std::function<void(sheet::Book&)>;

// An analysis with state and workbooks of its own, for tools and tests without windows. One
// object runs one project after another on the same workbooks, as the program does.
class ProjectAnalysis {
 public:
  explicit ProjectAnalysis(std::filesystem::path program_folder);
  ProjectAnalysis(const ProjectAnalysis&) = delete;
  ProjectAnalysis& operator=(const ProjectAnalysis&) = delete;

  // Reads the project file into model.ProjectRec (see read_project_for_analysis) and runs it,
  // titled by the file's name.
  AnalysisOutcome run_file(const std::filesystem::path& project);
  // Runs the project in model.ProjectRec again.
  AnalysisOutcome run();
  // Only the load calculation, into `loads`.
  loads::LoadCalcStatus calculate_loads() { return run_.calculate_loads(); }
  // Only the fill, from the load results in `loads`: what a system window's Run does.
  FillOutcome fill();
  // Where every fill of this analysis from now on starts its recalculation: between the halves
  // of the program's fill (write_fill_inputs, recalculate_fill).
  void start_from(StartState start) { start_ = std::move(start); }
  void check_stored_figures(StoredFigureCheck check) { run_.check_stored_figures(check); }

  // The control every fill goes through, for a ChartFiller to draw on.
  sheet::BookControl& report_control() { return report_control_; }

  model::ModelState model;
  model::LoadCalcState loads;
  sheet::Book book;               // the analysis workbook
  sheet::Book building_load;      // the building-load workbook
  std::string title;              // the project file's bare name
  ChartFiller* charts = nullptr;  // not owned; the graphs every fill draws, none while unset

 private:
  sheet::BookControl building_load_control_;
  sheet::BookControl report_control_;
  AnalysisRun run_;
  StartState start_;
};

}  // namespace pellavan::workbook
