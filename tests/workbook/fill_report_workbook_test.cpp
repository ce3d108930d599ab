// The fill as a whole: its order of work, the refusal of a cooling load of 0, the chart hooks
// after the recalculation and the read-back of the 22 results.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "filler_fixture.h"
#include "model/project/system_type.h"
#include "workbook/filler/fill_report_workbook.h"
#include "workbook/filler/fill_steps.h"
#include "workbook/filler/summary_results.h"
#include "workbook/report_sheets.h"
#include "workbook/report_workbook_control.h"
#include "workbook/results_words.h"

namespace pellavan::workbook {
namespace {

class FillReportWorkbookTest : public testing::FillerTest {
 protected:
  FillReportWorkbookTest() {
    model.ProjectRec.Loads_CoolLoad = 45000;
    model.ProjectRec.Loads_SensibleLoad = 38250;
    model.ProjectRec.Loads_CoolDeltaT = 20;
  }
  void put_value(int sheet_number, std::string_view a1, sheet::Value v) {
    auto pos = *sheet::parse_a1(a1);
    pos.sheet = sheet_number - 1;
    book.set_cell_value(pos, v);
  }
};

TEST_F(FillReportWorkbookTest, StepsRunInTheOrderOfWork) {
  const auto steps = fill_steps();
  ASSERT_GE(steps.size(), 3u);
  EXPECT_EQ(steps[0].sheet, "Loads");
  EXPECT_EQ(steps[1].sheet, "Rates");
  EXPECT_EQ(steps.back().sheet, "Economics");
  const std::vector<std::string_view> order = {"Loads", "Rates",      "Geo A",   "Geo B",
                                               "GEO T", "Air-to-Air", "Furnace", "Economics"};
  std::size_t at = 0;
  for (const FillStep& step : steps) {
    while (at < order.size() && order[at] != step.sheet) ++at;
    EXPECT_LT(at, order.size()) << step.sheet << " is out of order";
  }
}

TEST_F(FillReportWorkbookTest, RefusesACoolingLoadOfZeroBeforeWritingAnything) {
  model.ProjectRec.Loads_CoolLoad = 0;
  model.ProjectRec.Result_GeoA_HeatingCost = model::Currency::from_raw(12345);
  const FillOutcome outcome = Fill_ReportWorkbook(ctx);
  EXPECT_FALSE(outcome.filled);
  EXPECT_EQ(outcome.refusal, "Cooling Load Outside of Valid Range of 1000 - 999999");
  EXPECT_TRUE(trace.empty());
  EXPECT_EQ(model.ProjectRec.Result_GeoA_HeatingCost.raw(), 12345);
}

TEST_F(FillReportWorkbookTest, ChartsAreDrawnFromTheRecalculatedBook) {
  struct Charts : ChartFiller {
    explicit Charts(const sheet::Book& b) : book(b) {}
    void Fill_BinCharts() override {
      calls += "bin ";
      a27_then = book.cell_value({0, 24, 0}).as_number();  // Loads!A25 = A23 * A27
    }
    void Fill_ComparisonChart() override { calls += "comparison"; }
    const sheet::Book& book;
    std::string calls;
    double a27_then = 0;
  } charts(book);
  ctx.charts = &charts;
  model.ProjectRec.Loads_SensibleLoad = 22500;  // a ratio of 0.5 instead of the template's 0.85
  const FillOutcome outcome = Fill_ReportWorkbook(ctx);
  EXPECT_TRUE(outcome.filled);
  EXPECT_EQ(charts.calls, "bin comparison");
  EXPECT_DOUBLE_EQ(charts.a27_then, value(kLoadsSheet, "A23").as_number() * 0.5);
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kFusSheet);
}

TEST_F(FillReportWorkbookTest, TheTwentyTwoResultsComeFromTheSummarySheets) {
  const auto cells = summary_result_cells();
  ASSERT_EQ(cells.size(), 22u);
  std::set<std::string_view> fields;
  for (const SummaryResultCell& c : cells) {
    fields.insert(c.field_name);
    EXPECT_TRUE(c.sheet == kGasSheet || c.sheet == kGbsSheet || c.sheet == kAasSheet ||
                c.sheet == kFusSheet);
  }
  EXPECT_EQ(fields.size(), 22u);
}

TEST_F(FillReportWorkbookTest, ResultsAreReadWithValAndRoundedHalfToEven) {
  put_value(kGasSheet, "N23", sheet::Value::number(501.42496239619027));
  put_value(kGasSheet, "E26", sheet::Value::number(1095));
  put_value(kGbsSheet, "E31",
            sheet::Value::number(77.05005));  // a tie at the fifth decimal: to even
  put_value(kGbsSheet, "E32", sheet::Value::number(43.38995));
  put_value(kAasSheet, "N23", sheet::Value::text(book.intern("12 dollars")));
  put_value(kAasSheet, "N31", sheet::Value::error(sheet::ErrorCode::kDiv0));
  put_value(kFusSheet, "N15", sheet::Value::number(-0.00005));
  put_value(kFusSheet, "N23", sheet::Value::error(sheet::ErrorCode::kDiv0));  // not compared
  put_value(kGasSheet, "E31", sheet::Value());  // the summary's formula cell emptied
  model.ProjectRec.System1_Type = model::code_of(model::SystemType::GeoA);
  model.ProjectRec.System2_Type = model::code_of(model::SystemType::Elec);
  model.ProjectRec.System3_Type = 0;
  model.ProjectRec.Result_HeatPump_CoolingCost = model::Currency::from_raw(99);
  const SummaryReadBack read = read_summary_results(ctx);
  EXPECT_TRUE(read.clamped.empty());
  // Each cell of a compared system that held no number is named, with what it held; the field
  // still gets Val's 0.
  std::vector<std::string> unusable;
  for (const ResultProblem& r : read.unusable) unusable.push_back(describe(r));
  EXPECT_THAT(unusable,
              ::testing::ElementsAre(
                  "Geo A average source temperature in cooling holds nothing, no number (GAS!E31)",
                  "Heat pump heating cost holds \"12 dollars\", no number (AAS!N23)",
                  "Heat pump cooling cost holds \"#DIV/0!\", no number (AAS!N31)"));
  const model::ProjectRec& p = model.ProjectRec;
  EXPECT_EQ(p.Result_GeoA_HeatingCost.raw(), 5014250);  // 501.425
  EXPECT_EQ(p.Result_GeoA_SourceSize.raw(), 10950000);
  EXPECT_EQ(p.Result_GeoB_AvgSourceClg.raw(), 770500);
  EXPECT_EQ(p.Result_GeoB_AvgSourceHtg.raw(), 433900);
  EXPECT_EQ(p.Result_HeatPump_HeatingCost.raw(), 120000) << "Val reads the leading number";
  EXPECT_EQ(p.Result_HeatPump_CoolingCost.raw(), 0) << "an error value reads as 0";
  EXPECT_EQ(p.Result_Furnace_HeatingCost.raw(), 0);
  EXPECT_EQ(p.Result_GeoA_AvgSourceClg.raw(), 0) << "an empty cell reads as 0";
  EXPECT_EQ(ctx.ReportWorkbook.active_sheet(), kFusSheet);
}

TEST_F(FillReportWorkbookTest, ResultsTooLargeForTheirFieldAreClampedAndNamed) {
  put_value(kGasSheet, "N31", sheet::Value::number(1e300));
  put_value(kFusSheet, "N37", sheet::Value::number(-1e16));
  put_value(kGbsSheet, "N47", sheet::Value::number(1e14));  // large, but it fits
  const auto clamped = read_summary_results(ctx).clamped;
  ASSERT_EQ(clamped.size(), 2u);
  EXPECT_EQ(clamped[0], "Result_GeoA_CoolingCost");
  EXPECT_EQ(clamped[1], "Result_Furnace_FanCost");
  EXPECT_EQ(model.ProjectRec.Result_GeoA_CoolingCost.raw(),
            std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(model.ProjectRec.Result_Furnace_FanCost.raw(),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(model.ProjectRec.Result_GeoB_WaterHeatingCost.raw(), 1000000000000000000);
}

TEST_F(FillReportWorkbookTest, TwoFillsInARowWriteTheSameCellsWithTheSameTexts) {
  ASSERT_TRUE(Fill_ReportWorkbook(ctx).filled);
  const std::vector<WrittenCell> first = trace;
  trace.clear();
  ASSERT_TRUE(Fill_ReportWorkbook(ctx).filled);
  ASSERT_EQ(trace.size(), first.size());
  for (std::size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(trace[i].sheet, first[i].sheet) << i;
    EXPECT_EQ(trace[i].row, first[i].row) << i;
    EXPECT_EQ(trace[i].col, first[i].col) << i;
    EXPECT_EQ(trace[i].text, first[i].text) << i;
  }
}

TEST_F(FillReportWorkbookTest, AFillThroughTheProgramsControlLeavesItOnFus) {
  sheet::BookControl control(book);
  FillContext through(model, loads, control);
  ASSERT_TRUE(Fill_ReportWorkbook(through).filled);
  EXPECT_EQ(control.active_sheet(), kFusSheet);
}

TEST(ReportWorkbookControlTest, TheAirConditionerReaderSelectsTheFurnaceSheet) {
  sheet::Book book = load_report_template();
  sheet::BookControl control(book);
  ReportWorkbookControl sheets(control);
  sheets.set_active_sheet(model::kFurnaceSheet);
  EXPECT_EQ(control.active_sheet(), kFurnaceSheet);
  EXPECT_EQ(sheets.active_sheet(), kFurnaceSheet);
  EXPECT_THROW(sheets.set_active_sheet(0), std::out_of_range);
  EXPECT_THROW(sheets.set_active_sheet(30), std::out_of_range);
}

// A figure the analysis could not settle on is named beyond 2 % of it and $10 a year or 10 ft of
// loop, in the units and currency of the display.
TEST(FigureSpanTest, NamedBeyondItsLimitsInTheDisplaysUnits) {
  struct Row {
    const char* name;
    FigureSpan span;
    ResultsDisplay display;
    bool unsettled;
    const char* text;
  };
  const auto cost = [](double figure, double low, double high) {
    return FigureSpan{"Geo A", "heating cost", true, figure, low, high};
  };
  const auto loop = [](double low, double high) {
    return FigureSpan{"Geo B", "loop length", false, 1000, low, high};
  };
  const ResultsDisplay imperial;
  const ResultsDisplay metric{{.metric = true}, "$ CND"};
  const ResultsDisplay feet_kept{{.metric = true, .keep_feet = true}, "$ CND"};
  const Row rows[] = {
      {"imperial cost", cost(1913.95, 1641.19, 2185.73), imperial, true,
       "Geo A heating cost: between $1,641 and $2,186 a year; the analysis could not settle on "
       "one figure"},
      {"metric cost", cost(1913.95, 1641.19, 2185.73), metric, true,
       "Geo A heating cost: between 1,641 and 2,186 $ CND a year; the analysis could not settle on "
       "one figure"},
      {"within 2 %", cost(1000, 990, 1009), imperial, false, ""},
      {"within $10", cost(300, 295, 304), imperial, false, ""},
      {"imperial loop", loop(985, 1010), imperial, true,
       "Geo B loop length: between 985 and 1,010 ft; the analysis could not settle on one figure"},
      {"metric loop", loop(985, 1010), metric, true,
       "Geo B loop length: between 300.2 and 307.8 m; the analysis could not settle on one figure"},
      {"feet kept", loop(985, 1010), feet_kept, true,
       "Geo B loop length: between 985 and 1,010 ft; the analysis could not settle on one figure"},
      {"within 10 ft", loop(995, 1004), imperial, false, ""},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.span.unsettled(), r.unsettled) << r.name;
    if (r.unsettled) {
      EXPECT_EQ(describe(r.span, r.display), r.text) << r.name;
    }
  }
}

}  // namespace
}  // namespace pellavan::workbook
