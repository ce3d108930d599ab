// A job in Lincoln, NE, placed in Omaha: the analysis workbook carries Omaha's climate record as
// the built climate table holds it, and the customer's own town.
#include <gtest/gtest.h>

#include <algorithm>

#include "projects/project_set.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "workbook/report_sheets.h"

namespace pellavan::wbdump {
namespace {

using LincolnProjectFillTest = pellavan::testing::SampleDataTest;

TEST_F(LincolnProjectFillTest, TheLoadsSheetShowsOmahasClimate) {
  const auto set = pellavan::testing::project_set();
  const auto lincoln =
      std::find_if(set.begin(), set.end(), [](const auto& p) { return p.name == "lincoln_omaha"; });
  ASSERT_NE(lincoln, set.end());
  const auto cities = all_records<model::CityRec>("Citydata.CEA");
  const auto omaha = std::find_if(cities.begin(), cities.end(), [](const auto& c) {
    return c.City.trimmed() == "Omaha" && c.State.trimmed() == "NE";
  });
  ASSERT_NE(omaha, cities.end());

  workbook::ProjectAnalysis fill(model.program_folder);
  const auto outcome = fill.run_file(lincoln->file);
  ASSERT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
  EXPECT_EQ(fill.model.ProjectRec.Loads_CityId, omaha->Id);
  const int loads = workbook::kLoadsSheet - 1;
  // Rows and columns counted from 1, as the sheet names them.
  auto cell = [&](int row, int col) { return fill.book.cell_value({loads, row - 1, col - 1}); };
  EXPECT_EQ(fill.book.cell_text({loads, 1, 2}), "Omaha, NE");
  EXPECT_EQ(fill.book.cell_text({loads, 9, 0}), "Lincoln, NE  68508");
  // Rows 3 to 8: design temperatures, degree days, earth, swing, phase (elements 31 to 33 and
  // 36 to 38); column D the bin hours, bin 1 in row 2.
  const int elements[] = {31, 32, 33, 36, 37, 38};
  for (int row = 3; row <= 8; ++row)
    EXPECT_DOUBLE_EQ(cell(row, 3).as_number(), omaha->WeatherData(elements[row - 3]).to_double())
        << "C" << row;
  for (int bin = 1; bin <= 30; ++bin)
    EXPECT_DOUBLE_EQ(cell(bin + 1, 4).as_number(), omaha->WeatherData(bin).to_double())
        << "bin " << bin;
}

}  // namespace
}  // namespace pellavan::wbdump
