// The worked example (the shipped sample with hot water at 140 F) filled as the program fills it:
// through the load calculation on the built Data folder, the filler and one recalculation.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "projects/project_set.h"
#include "sheet/address.h"
#include "tools/sample_data_fixture.h"
#include "wbdump/book_dump.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_results.h"
#include "workbook/report_sheets.h"

namespace pellavan::wbdump {
namespace {

class WorkedExampleFillTest : public pellavan::testing::SampleDataTest {
 protected:
  void SetUp() override {
    SampleDataTest::SetUp();
    fill.emplace(model.program_folder);
    outcome = fill->run_file(pellavan::testing::worked_example());
  }
  sheet::Value value(int sheet_number, std::string_view a1) const {
    auto pos = *sheet::parse_a1(a1);
    pos.sheet = sheet_number - 1;
    return fill->book.cell_value(pos);
  }
  std::optional<workbook::ProjectAnalysis> fill;
  workbook::AnalysisOutcome outcome;
};

TEST_F(WorkedExampleFillTest, FillsFromTheLoadCalculation) {
  ASSERT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
  const sheet::Book& book = fill->book;
  EXPECT_EQ(book.cell_text({0, 1, 2}), "St. Louis, MO");
  EXPECT_EQ(book.cell_text({0, 13, 0}), "Sample Project");
  EXPECT_EQ(book.cell_text({0, 15, 0}), "Worked Example.pvn");
  EXPECT_DOUBLE_EQ(value(workbook::kLoadsSheet, "A17").as_number(), 35215);
  // Hot water at 140 F gives the worked example's 22.081 million Btu and 2,521 Btu/h.
  EXPECT_DOUBLE_EQ(value(workbook::kLoadsSheet, "C13").as_number(), 140);
  EXPECT_NEAR(value(workbook::kLoadsSheet, "C24").as_number(), 22.081, 0.0005);
  EXPECT_NEAR(value(workbook::kLoadsSheet, "C25").as_number(), 2521, 0.5);
  // The gains are the building-load workbook's, not the template's sample figure.
  EXPECT_NEAR(value(workbook::kLoadsSheet, "C20").as_number(), 15497.91, 0.005);
  EXPECT_DOUBLE_EQ(value(workbook::kLoadsSheet, "A27").as_number(), 0.85);
  EXPECT_NEAR(value(workbook::kLoadsSheet, "A23").as_number(),
              (45000 - 15497.9105) / 20 * 22 + 15497.9105, 1e-6);
  EXPECT_DOUBLE_EQ(value(workbook::kLoadsSheet, "A35").as_number(), 38250);
  EXPECT_DOUBLE_EQ(value(workbook::kRatesSheet, "C5").as_number(), 1.0);
  EXPECT_TRUE(value(workbook::kLoadsSheet, "A1").is_empty()) << "imperial options";
}

struct NamedValue {
  std::string name;
  sheet::Value value;
};

// Every cell of every sheet's used range, named "Sheet!A1".
std::vector<NamedValue> all_cells(const sheet::Book& book) {
  std::vector<NamedValue> cells;
  for (int s = 0; s < book.sheet_count(); ++s) {
    const auto used = book.used_range(s);
    if (!used) continue;
    for (int r = used->first_row; r <= used->last_row; ++r)
      for (int c = used->first_col; c <= used->last_col; ++c)
        cells.push_back(
            {book.sheet(s).name() + "!" + sheet::format_a1(r, c), book.cell_value({s, r, c})});
  }
  return cells;
}

double number_or_zero(const sheet::Value& v) { return v.is_number() ? v.as_number() : 0.0; }

TEST_F(WorkedExampleFillTest, NoCellHoldsAnInfinityAndLoadsAndRatesHoldNoError) {
  for (const NamedValue& cell : all_cells(fill->book)) {
    EXPECT_TRUE(std::isfinite(number_or_zero(cell.value))) << cell.name;
    if (cell.name.starts_with("Loads!") || cell.name.starts_with("Rates!")) {
      EXPECT_FALSE(cell.value.is_error()) << cell.name;
    }
  }
}

TEST_F(WorkedExampleFillTest, DumpsOneLinePerCellWithItsFormula) {
  std::ostringstream out;
  dump_book(fill->book, out);
  const std::string dump = out.str();
  EXPECT_NE(dump.find("Loads\tA35\t38250\t=A27*C11\n"), std::string::npos);
  EXPECT_NE(dump.find("Loads\tC2\tSt. Louis, MO\t\n"), std::string::npos);
  EXPECT_NE(dump.find("Rates\tF5\t<--- metric units 1 = GJ, otherwise m3\t\n"), std::string::npos);
}

}  // namespace
}  // namespace pellavan::wbdump
