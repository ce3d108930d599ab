// Fill_ReportWorkbook of the shipped sample project, as every system window's Run and the
// report timer run it: every input written, the catalogue records read again, one
// recalculation, the 22 results read back. The load calculation runs once, before.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>

#include "wbdump/project_fill.h"
#include "workbook/filler/fill_report_workbook.h"

namespace {

namespace fs = std::filesystem;

void BM_FillSampleProject(benchmark::State& state) {
  const fs::path program_folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  const fs::path project = program_folder / "Data" / "Sample Project.pvn";
  if (!fs::exists(project)) {
    state.SkipWithError(("no sample project at " + project.string() + ": build the Data folder first").c_str());
    return;
  }
  pellavan::wbdump::ProjectFill fill = pellavan::wbdump::fill_project(project, program_folder);
  pellavan::workbook::FillContext ctx(fill.model, fill.loads, fill.book, fill.title);
  for (auto _ : state) {
    const auto outcome = pellavan::workbook::Fill_ReportWorkbook(ctx);
    benchmark::DoNotOptimize(outcome.filled);
  }
  state.counters["passes"] = fill.book.last_recalc().passes;
  state.counters["formulas"] = static_cast<double>(fill.book.formula_count());
}
BENCHMARK(BM_FillSampleProject)->Unit(benchmark::kMillisecond);

}  // namespace
