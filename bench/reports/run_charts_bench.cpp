// A Run as the program does it: Fill_ReportWorkbook of each project of the set onto the workbook
// the previous project of the set left, with the graphs drawn after the recalculation
// (BM_RunAfterAnotherProject); the same after a Run of the same project, whose graphs keep their
// pictures (BM_RunSameProjectAgain); the graphs alone on a filled workbook, every one drawn
// (BM_ChartsAfterFill).
// Counters: the bin graphs drawn.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "projects/prepared_projects.h"
#include "reports/charts/report_charts.h"
#include "workbook/analysis_run.h"

namespace {

namespace fs = std::filesystem;
using pellavan::workbook::ProjectAnalysis;

const fs::path kProgramFolder = PELLAVAN_BUILT_PROGRAM_FOLDER;

// The charts draw text, which wants an application; offscreen, so no display is needed.
void ensure_application() {
  static int argc = 1;
  static char name[] = "run_charts_bench";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

using pellavan::testing::PreparedProject;

// The set prepared on `analysis`; empty, and the benchmark skipped, when a project is missing.
std::vector<PreparedProject> prepare(ProjectAnalysis& analysis, benchmark::State& state) {
  std::string missing;
  std::vector<PreparedProject> set = pellavan::testing::prepare_project_set(analysis, missing);
  if (set.empty())
    state.SkipWithError(("no project at " + missing + ": build the project set first").c_str());
  return set;
}

int bin_graphs(const pellavan::model::ProjectRec& rec) {
  std::vector<pellavan::model::Int16> kinds;
  for (const auto code : {rec.System1_Type, rec.System2_Type, rec.System3_Type})
    if (code != 0 && std::find(kinds.begin(), kinds.end(), code) == kinds.end())
      kinds.push_back(code);
  return static_cast<int>(kinds.size());
}

// `before`: the project run before, as an offset in the set (-1 the one before, 0 the same).
void run_after(benchmark::State& state, std::ptrdiff_t before) {
  ensure_application();
  const auto index = static_cast<std::size_t>(state.range(0));
  ProjectAnalysis analysis(kProgramFolder);
  pellavan::reports::ReportCharts charts(analysis.report_control(), analysis.model);
  analysis.charts = &charts;
  const std::vector<PreparedProject> prepared = prepare(analysis, state);
  if (prepared.empty()) return;
  if (index >= prepared.size()) {
    state.SkipWithError("no such project in the set");
    return;
  }
  const PreparedProject& previous =
      prepared[(index + prepared.size() + static_cast<std::size_t>(before)) % prepared.size()];
  for (auto _ : state) {
    state.PauseTiming();
    pellavan::testing::follow(analysis, previous, prepared[index]);
    state.ResumeTiming();
    benchmark::DoNotOptimize(analysis.fill().filled);
  }
  state.SetLabel(std::string(pellavan::testing::project_set()[index].name));
  state.counters["bin_graphs"] = bin_graphs(prepared[index].project);
}

void BM_RunAfterAnotherProject(benchmark::State& state) { run_after(state, -1); }
BENCHMARK(BM_RunAfterAnotherProject)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

// A Run of the project run last, unchanged: every graph keeps its picture.
void BM_RunSameProjectAgain(benchmark::State& state) { run_after(state, 0); }
BENCHMARK(BM_RunSameProjectAgain)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

void BM_ChartsAfterFill(benchmark::State& state) {
  ensure_application();
  const auto index = static_cast<std::size_t>(state.range(0));
  ProjectAnalysis analysis(kProgramFolder);
  const std::vector<PreparedProject> prepared = prepare(analysis, state);
  if (prepared.empty()) return;
  if (index >= prepared.size()) {
    state.SkipWithError("no such project in the set");
    return;
  }
  pellavan::testing::take(analysis, prepared[index]);
  analysis.fill();
  for (auto _ : state) {
    // New each time: charts that drew these graphs before would keep their pictures.
    pellavan::reports::ReportCharts charts(analysis.report_control(), analysis.model);
    charts.Fill_BinCharts();
    charts.Fill_ComparisonChart();
  }
  state.SetLabel(std::string(pellavan::testing::project_set()[index].name));
  state.counters["bin_graphs"] = bin_graphs(prepared[index].project);
}
BENCHMARK(BM_ChartsAfterFill)->DenseRange(0, 8)->Unit(benchmark::kMillisecond);

}  // namespace
