// The fill of the Reports command: a usable fill opens the reports without a word, an unusable
// one brings one warning that names what failed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "projects/project_set.h"
#include "reports/report_run.h"
#include "sheet/book_control.h"

namespace pellavan::reports {
namespace {

struct Case {
  const char* name;
  std::filesystem::path project;
  const char* named;  // in the warning; nullptr for no warning
};

TEST(ReportRunTest, OneWarningNamesWhatFailed) {
  const char* data = std::getenv("PELLAVAN_DATA_DIR");
  ASSERT_NE(data, nullptr);
  const std::filesystem::path folder = std::filesystem::path(data).parent_path();
  const Case kCases[] = {
      {"the sample", folder / "Data" / "Sample Project.pvn", nullptr},
      {"a furnace not in the catalogue", pellavan::testing::damaged_project("missing_furnace"),
       "FossData.CEA has no record"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    workbook::ProjectAnalysis analysis(folder);
    analysis.model.ProjectRec = workbook::read_project_for_analysis(c.project);
    sheet::BookControl building_load(analysis.building_load), book(analysis.book);
    workbook::AnalysisRun run(analysis.model, analysis.loads, building_load, book);
    ASSERT_EQ(run.calculate_loads(), loads::LoadCalcStatus::kValid);
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
