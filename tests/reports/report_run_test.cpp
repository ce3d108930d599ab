// The fill of the Reports command: a usable fill opens the reports without a word, an unusable
// one brings one warning that names what failed, and one the analysis cannot settle on names the
// figure.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "loads/calc/load_calculation.h"
#include "projects/project_set.h"
#include "reports/report_run.h"
#include "sheet/book_control.h"
#include "wbdump/formula_override.h"
#include "wbdump/sweep_houses.h"

namespace pellavan::reports {
namespace {

struct Case {
  const char* name;
  model::ProjectRec project;
  const char* named;    // in the warning; nullptr for no warning
  bool cycles = false;  // filled with the old backup run time, on which it goes round a cycle
};

TEST(ReportRunTest, OneWarningNamesWhatFailed) {
  const char* data = std::getenv("PELLAVAN_DATA_DIR");
  ASSERT_NE(data, nullptr);
  const std::filesystem::path folder = std::filesystem::path(data).parent_path();
  const model::ProjectRec sample =
      workbook::read_project_for_analysis(folder / "Data" / "Sample Project.pvn");
  std::vector<Case> cases = {
      {"the sample", sample, nullptr},
      {"a furnace not in the catalogue",
       workbook::read_project_for_analysis(pellavan::testing::damaged_project("missing_furnace")),
       "FossData.CEA has no record"},
  };
  workbook::ProjectAnalysis finding(folder);
  finding.book = wbdump::old_backup_template();
  const auto house = wbdump::widest_cycle_house(finding, sample);
  ASSERT_TRUE(house) << "the large house settles in every city of the climate table";
  cases.push_back(
      {"a figure the analysis cannot settle on", *house, "Geo A heating cost: between $", true});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    workbook::ProjectAnalysis analysis(folder);
    if (c.cycles) analysis.book = wbdump::old_backup_template();
    analysis.model.ProjectRec = c.project;
    sheet::BookControl building_load(analysis.building_load), book(analysis.book);
    workbook::AnalysisRun run(analysis.model, analysis.loads, building_load, book);
    ASSERT_EQ(run.calculate_loads(), loads::LoadCalcStatus::kValid);
    loads::Min_Backup(analysis.model, analysis.loads);  // as the project window's Done left it
    const ReportFill fill = ReportRun(run).Fill_ReportWorkbook("Test.pvn");
    EXPECT_TRUE(fill.outcome.filled);
    if (!c.named) {
      EXPECT_FALSE(fill.warning.has_value()) << *fill.warning;
    } else {
      ASSERT_TRUE(fill.warning.has_value());
      EXPECT_NE(fill.warning->find(c.named), std::string::npos) << *fill.warning;
    }
  }
}

}  // namespace
}  // namespace pellavan::reports
