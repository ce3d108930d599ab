#include "reportshot/sample_book.h"

#include <cstdio>
#include <stdexcept>
#include <string>

#include "reports/charts/report_charts.h"
#include "sheet/address.h"
#include "systems/stored_figures.h"
#include "workbook/analysis_run.h"

namespace pellavan::reportshot {

std::filesystem::path sample_file(const std::filesystem::path& program_folder) {
  return program_folder / "Data" / "Sample Project.pvn";
}

sheet::Book filled_project(const std::filesystem::path& program_folder,
                           const std::filesystem::path& project, bool metric) {
  workbook::ProjectAnalysis analysis(program_folder);
  reports::ReportCharts charts(analysis.report_control(), analysis.model);
  analysis.charts = &charts;
  analysis.check_stored_figures(&systems::stored_figures);
  if (metric) {
    // The unit options of a settings file that asks for metric display.
    analysis.model.MetricFlag(model::kMetricDisplay) = -1;
    analysis.model.CurrencyLabel = "$ CND";
  }
  const workbook::AnalysisOutcome outcome = analysis.run_file(project);
  if (!outcome.fill.filled)
    throw std::runtime_error(project.string() + " was not filled: " + outcome.fill.refusal);
  // The pages are made all the same, as the program shows them after its warning.
  for (const std::string& problem : outcome.problems())
    std::fprintf(stderr, "pellavan-reportshot: %s\n", problem.c_str());
  return std::move(analysis.book);
}

model::ProjectRec open_project(const std::filesystem::path& project) {
  return workbook::read_project_for_analysis(project);
}

sheet::RangePos page_block(const ReportPage& page, bool metric) {
  const std::string_view cols = metric ? page.metric_cols : page.imperial_cols;
  const auto colon = cols.find(':');
  sheet::RangePos block;
  block.sheet = page.sheet - 1;
  block.first_row = 0;
  block.last_row = page.last_row - 1;
  block.first_col = *sheet::column_from_name(cols.substr(0, colon));
  block.last_col = *sheet::column_from_name(cols.substr(colon + 1));
  return block;
}

}  // namespace pellavan::reportshot
