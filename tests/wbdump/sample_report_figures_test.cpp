// The figures of the sample project's report pages: the template as stored, recalculated,
// gives the worked example's costs on the project report, its comparison graph and the summary
// cells the filler reads back; the shipped sample project filled end to end (load calculation,
// filler, one recalculation) carries the system sheets' costs onto the same pages and back into
// the project record.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "sheet/address.h"
#include "tools/sample_data_fixture.h"
#include "workbook/analysis_run.h"
#include "workbook/filler/summary_results.h"
#include "workbook/report_sheets.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::wbdump {
namespace {

using namespace workbook;

struct Figure {
  int sheet;
  const char* cell;
  double value;
  double tolerance;
};

constexpr double kCent = 0.005;
// A monthly cost is its total over 12, the total being given to the cent.
constexpr double kMonthly = kCent + kCent / 12;

// The worked example: comparison columns furnace, Geo A, Geo B.
constexpr Figure kWorkedExample[] = {
    {kPrsSheet, "H39", 1210.52, kCent},
    {kPrsSheet, "I39", 476.19, kCent},
    {kPrsSheet, "J39", 405.16, kCent},
    {kPrsSheet, "K39", 0, kCent},
    {kPrsSheet, "L39", 2091.87, kCent},
    {kPrsSheet, "M39", 174.32, kMonthly},
    {kPrsSheet, "H40", 487.97, kCent},
    {kPrsSheet, "I40", 262.24, kCent},
    {kPrsSheet, "J40", 552.67, kCent},
    {kPrsSheet, "K40", 0, kCent},
    {kPrsSheet, "L40", 1302.89, kCent},
    {kPrsSheet, "M40", 108.57, kMonthly},
    {kPrsSheet, "H41", 585.58, kCent},
    {kPrsSheet, "I41", 299.49, kCent},
    {kPrsSheet, "J41", 552.67, kCent},
    {kPrsSheet, "K41", 0, kCent},
    {kPrsSheet, "L41", 1437.75, kCent},
    {kPrsSheet, "M41", 119.81, kMonthly},
    {kPrgSheet, "S11", 2091.87, kCent},
    // The cells read back into the project record.
    {kGasSheet, "E31", 67.46, kCent},
    {kGasSheet, "E32", 48.47, kCent},
    {kGasSheet, "E26", 1095, 0},
    {kGasSheet, "N23", 487.97, kCent},
    {kGasSheet, "N31", 262.24, kCent},
    {kGasSheet, "N47", 552.67, kCent},
    {kGasSheet, "N53", 0, 0},
    {kGbsSheet, "E31", 77.05, kCent},
    {kGbsSheet, "E32", 43.39, kCent},
    {kGbsSheet, "E26", 690, 0},
    {kGbsSheet, "N23", 585.58, kCent},
    {kGbsSheet, "N31", 299.49, kCent},
    {kGbsSheet, "N47", 552.67, kCent},
    {kGbsSheet, "N53", 0, 0},
    {kAasSheet, "N23", 796.81, kCent},
    {kAasSheet, "N31", 285.80, kCent},
    {kAasSheet, "N39", 405.16, kCent},
    {kAasSheet, "N45", 0, 0},
    {kFusSheet, "N15", 1210.52, kCent},
    {kFusSheet, "N23", 476.19, kCent},
    {kFusSheet, "N31", 405.16, kCent},
    {kFusSheet, "N37", 0, 0},
    // The metric copy and the bin graph of Geo A (the sample is in metric display, in kW).
    {kGasSheet, "T26", 333.756, 0.0005},
    {kGagSheet, "X5", 850, 0},
    {kGagSheet, "X11", 23.55, kCent},
};

sheet::CellPos at(int sheet_number, const char* a1) {
  sheet::CellPos pos = *sheet::parse_a1(a1);
  pos.sheet = sheet_number - 1;
  return pos;
}

double number(const sheet::Book& book, int sheet_number, const char* a1) {
  const sheet::Value v = book.cell_value(at(sheet_number, a1));
  EXPECT_TRUE(v.is_number()) << book.sheet(sheet_number - 1).name() << "!" << a1 << " holds "
                             << book.cell_text(at(sheet_number, a1));
  return v.is_number() ? v.as_number() : 0.0;
}

TEST(SampleReportFiguresTest, TheTemplateGivesTheWorkedExample) {
  sheet::Book book = load_report_template();
  book.recalc();
  for (const Figure& f : kWorkedExample) {
    EXPECT_NEAR(number(book, f.sheet, f.cell), f.value, f.tolerance)
        << book.sheet(f.sheet - 1).name() << "!" << f.cell;
  }
}

class SampleProjectReportTest : public pellavan::testing::SampleDataTest {};

// The project report, its graph and the results read back follow the system sheets.
TEST_F(SampleProjectReportTest, CostsReachThePagesAndTheProjectRecord) {
  workbook::ProjectAnalysis fill(model.program_folder);
  const workbook::AnalysisOutcome outcome = fill.run_file(path_of("Sample Project.pvn"));
  ASSERT_TRUE(outcome.usable()) << ::testing::PrintToString(outcome.problems());
  const sheet::Book& book = fill.book;
  // Comparison columns: furnace, Geo A, Geo B; heating, cooling, hot water, fan.
  const struct {
    const char* row;
    int sheet;
    const char* costs[4];
  } columns[] = {{"39", kFurnaceSheet, {"AF41", "AG41", "AH41", "J43"}},
                 {"40", kGeoASheet, {"H12", "H16", "H22", "H23"}},
                 {"41", kGeoBSheet, {"H12", "H16", "H22", "H23"}}};
  const char* cost_columns[] = {"H", "I", "J", "K"};
  for (const auto& c : columns) {
    SCOPED_TRACE(std::string("row ") + c.row);
    double total = 0;
    for (int k = 0; k < 4; ++k) {
      const std::string cell = std::string(cost_columns[k]) + c.row;
      const double shown = number(book, kPrsSheet, cell.c_str());
      EXPECT_DOUBLE_EQ(shown, number(book, c.sheet, c.costs[k])) << cell;
      total += shown;
    }
    const std::string l = std::string("L") + c.row, m = std::string("M") + c.row;
    EXPECT_NEAR(number(book, kPrsSheet, l.c_str()), total, 1e-9);
    EXPECT_NEAR(number(book, kPrsSheet, m.c_str()), total / 12, 1e-9);
    EXPECT_GT(total, 0);
  }
  const double largest = std::max({number(book, kPrsSheet, "L39"), number(book, kPrsSheet, "L40"),
                                   number(book, kPrsSheet, "L41")});
  EXPECT_DOUBLE_EQ(number(book, kPrgSheet, "S11"), largest);
  EXPECT_DOUBLE_EQ(number(book, kPrgSheet, "W5"), number(book, kPrsSheet, "L39"));
  // Each result field holds its summary cell to four decimals.
  for (const SummaryResultCell& r : summary_result_cells()) {
    const double cell = number(book, r.sheet, std::string(r.cell).c_str());
    EXPECT_NEAR((fill.model.ProjectRec.*r.field).to_double(), cell, 0.00005) << r.field_name;
  }
}

}  // namespace
}  // namespace pellavan::wbdump
