// The analysis run as a user causes it.
//
// BM_FillAfterAnotherProject: Fill_ReportWorkbook of each project of the set onto the workbook
// the previous project of the set left, as a system window's Run does after another project was
// run in the same session (every input written, the catalogue records read again, one
// recalculation, the results read back), its stored figures and catalogue records checked first
// as the program checks them. The load calculation ran once before, at the loads window's Done.
// BM_FirstFillAfterStart: the sample's fill as the first Run after the program started does it, on
// the template as loaded. BM_RecalcTemplate: the recalculation of the template after a return to
// its marked state. BM_LoadTemplate: the template read from its text and settled values, as the
// program's start does. Counters: passes of the iteration and cells evaluated per run.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "projects/prepared_projects.h"
#include "systems/stored_figures.h"
#include "workbook/analysis_run.h"
#include "workbook/report_workbook_template.h"

namespace {

namespace fs = std::filesystem;
using pellavan::workbook::ProjectAnalysis;

const fs::path kProgramFolder = PELLAVAN_BUILT_PROGRAM_FOLDER;

using pellavan::testing::PreparedProject;

std::vector<PreparedProject>& prepared_set(ProjectAnalysis& analysis) {
  static std::vector<PreparedProject> set;
  std::string missing;
  if (set.empty()) set = pellavan::testing::prepare_project_set(analysis, missing);
  return set;
}

void BM_FillAfterAnotherProject(benchmark::State& state) {
  const auto index = static_cast<std::size_t>(state.range(0));
  const auto& set = pellavan::testing::project_set();
  for (const auto& project : set) {
    if (!fs::exists(project.file)) {
      state.SkipWithError(
          ("no project at " + project.file.string() + ": build the project set first").c_str());
      return;
    }
  }
  ProjectAnalysis analysis(kProgramFolder);
  const std::vector<PreparedProject>& prepared = prepared_set(analysis);
  const PreparedProject& previous = prepared[(index + prepared.size() - 1) % prepared.size()];
  analysis.check_stored_figures(&pellavan::systems::stored_figures);
  state.SetLabel(std::string(set[index].name));
  pellavan::workbook::FillOutcome outcome;
  for (auto _ : state) {
    state.PauseTiming();
    pellavan::testing::follow(analysis, previous, prepared[index]);
    state.ResumeTiming();
    outcome = analysis.fill();
    benchmark::DoNotOptimize(outcome.filled);
  }
  state.counters["passes"] = outcome.passes;
  state.counters["cells"] = static_cast<double>(analysis.book.last_recalc().formulas_computed);
  if (!outcome.usable())
    state.SetLabel(std::string(set[index].name) + " (results unusable: " +
                   (outcome.problems().empty() ? std::string() : outcome.problems()[0]) + ")");
}
BENCHMARK(BM_FillAfterAnotherProject)
    ->DenseRange(0, static_cast<int>(pellavan::testing::project_set().size()) - 1)
    ->Unit(benchmark::kMillisecond);

// The first Run after the program started: the template as loaded, the sample project taken.
void BM_FirstFillAfterStart(benchmark::State& state) {
  ProjectAnalysis preparing(kProgramFolder);
  const std::vector<PreparedProject>& prepared = prepared_set(preparing);
  if (prepared.empty()) {
    state.SkipWithError("build the project set first");
    return;
  }
  std::unique_ptr<ProjectAnalysis> analysis;
  for (auto _ : state) {
    state.PauseTiming();
    analysis.reset();
    analysis = std::make_unique<ProjectAnalysis>(kProgramFolder);
    pellavan::testing::take(*analysis, prepared[0]);
    state.ResumeTiming();
    benchmark::DoNotOptimize(analysis->fill().filled);
  }
}
BENCHMARK(BM_FirstFillAfterStart)->Unit(benchmark::kMillisecond);

void BM_RecalcTemplate(benchmark::State& state) {
  pellavan::sheet::Book book = pellavan::workbook::load_report_template();
  for (auto _ : state) {
    state.PauseTiming();
    book.return_to_mark();
    state.ResumeTiming();
    book.recalc();
  }
  state.counters["passes"] = book.last_recalc().passes;
  state.counters["cells"] = static_cast<double>(book.last_recalc().formulas_computed);
}
BENCHMARK(BM_RecalcTemplate)->Unit(benchmark::kMillisecond);

void BM_LoadTemplate(benchmark::State& state) {
  for (auto _ : state) {
    pellavan::sheet::Book book = pellavan::workbook::load_report_template();
    benchmark::DoNotOptimize(book.formula_count());
  }
}
BENCHMARK(BM_LoadTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
