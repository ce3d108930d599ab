// The graph routines on the analysis workbook, offscreen: what they read from the graph sheets,
// and the one picture each graph sheet carries after every fill.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "model/project/system_type.h"
#include "model/units/number_text.h"
#include "poppler_tools.h"
#include "model/report_workbook_sheets.h"
#include "projects/project_set.h"
#include "reports/chart_view.h"
#include "reports/charts/report_charts.h"
#include "sheet_view/spreadsheet_control.h"
#include "sheet_view/picture_cache.h"
#include "sheet_view/render.h"
#include "workbook/analysis_run.h"
#include "workbook/report_workbook_template.h"

namespace pellavan::reports {
namespace {

constexpr int kGraphSheets[] = {model::kPrgSheet, model::kGagSheet, model::kGbgSheet,
                                model::kAagSheet, model::kFugSheet, model::kGtgSheet};

using model::SystemType;

void compare(model::ProjectRec& rec, SystemType a, SystemType b, SystemType c) {
  rec.System1_Type = model::code_of(a);
  rec.System2_Type = model::code_of(b);
  rec.System3_Type = model::code_of(c);
}

// Whether a graph sheet carries a graph when the project compares a, b and c.
bool drawn(int sheet, std::initializer_list<SystemType> compared) {
  const auto has = [&](SystemType kind) {
    return std::find(compared.begin(), compared.end(), kind) != compared.end();
  };
  switch (sheet) {
    case model::kGagSheet: return has(SystemType::GeoA);
    case model::kGbgSheet: return has(SystemType::GeoB);
    case model::kGtgSheet: return has(SystemType::GeoT);
    case model::kAagSheet: return has(SystemType::Elec);
    case model::kFugSheet: return has(SystemType::Fossil);
    default: return true;
  }
}

// The value-axis labels a graph's picture prints, from the bottom up: the largest set of numbers
// pdftotext finds ending at one right edge; nullopt without poppler.
std::optional<std::vector<double>> printed_axis_labels(const sheet::Picture& picture) {
  const QTemporaryDir dir;
  const QString pdf = dir.filePath("graph.pdf");
  {
    QPdfWriter writer(pdf);
    writer.setResolution(96);
    QPainter painter(&writer);
    painter.drawPicture(0, 0, sheet::view::decode_recording(picture));
  }
  const auto boxes = pellavan::testing::run_poppler("pdftotext", {"-bbox", pdf, "-"});
  if (!boxes) return std::nullopt;
  const QRegularExpression word(
      R"re(<word xMin="[0-9.]+" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="([0-9.]+)">\$?([0-9,]+)<)re");
  std::map<long, std::map<double, double>> by_right_edge;  // each by its height from the bottom
  for (auto it = word.globalMatch(*boxes); it.hasNext();) {
    const auto m = it.next();
    by_right_edge[std::lround(m.captured(1).toDouble() * 10)][-m.captured(2).toDouble()] =
        model::Val(m.captured(3).remove(',').toStdString());
  }
  std::vector<double> labels;
  for (const auto& [edge, column] : by_right_edge) {
    if (column.size() <= labels.size()) continue;
    labels.clear();
    for (const auto& [height, number] : column) labels.push_back(number);
  }
  return labels;
}

class ReportChartsTest : public ::testing::Test {
 protected:
  ReportChartsTest()
      : book(workbook::load_report_template()), control(book), charts(control, model) {
    compare(model.ProjectRec, SystemType::GeoA, SystemType::GeoB, SystemType::Fossil);
  }

  void put(int sheet, const char* a1, const char* text) {
    control.set_active_sheet(sheet);
    const sheet::CellPos at = *sheet::parse_a1(a1);
    control.set_cell_text(at.row + 1, at.col + 1, text);
  }
  void fill() {
    charts.Fill_BinCharts();
    charts.Fill_ComparisonChart();
  }
  const sheet::Sheet& sheet_of(int number) const { return book.sheet(number - 1); }

  model::ModelState model;
  sheet::Book book;
  sheet::BookControl control;
  ReportCharts charts;
};

TEST_F(ReportChartsTest, BinGraphsTakeTheirSheetsValuesAndGagsCaptions) {
  // FUG is drawn last, so the bin chart ends with its values; GAG gives the captions though Geo A
  // is not compared.
  compare(model.ProjectRec, SystemType::GeoB, SystemType::Elec, SystemType::Fossil);
  put(model::kGagSheet, "R5", "2.5");
  put(model::kGagSheet, "R6", "");
  put(model::kGagSheet, "R7", "-33");
  put(model::kFugSheet, "R5", "99");
  struct Row {
    const char* cell;
    const char* text;
    int series, point;
    double drawn;
  };
  const Row rows[] = {
      {"T5", "1.23456", 0, 0, 1.2346},  // four decimals
      {"U6", "-5", 1, 1, 5},            // the load as its size
      {"S7", "0", 2, 2, kNoValue},      // a zero is no point
      {"T8", "0", 0, 3, kNoValue},
      {"S9", "-7", 2, 4, -7},       // negative hours and capacities as they are
      {"U10", "", 1, 5, kNoValue},  // an empty cell reads 0
  };
  for (const Row& r : rows) put(model::kFugSheet, r.cell, r.text);
  charts.Fill_BinCharts();
  const Chart& chart = charts.Form11().Chartfx1;
  for (const Row& r : rows) EXPECT_EQ(chart.value(r.series, r.point), r.drawn) << r.cell;
  EXPECT_EQ(chart.point_count(), 30);
  EXPECT_EQ(chart.point_caption(0), "2.5");
  EXPECT_EQ(chart.point_caption(1), "0");
  EXPECT_EQ(chart.point_caption(2), "-33");
  EXPECT_EQ(chart.series_name(2), "Weather Hours");
  EXPECT_EQ(control.active_sheet(), model::kFugSheet);
}

TEST_F(ReportChartsTest, TheComparisonTakesTrimmedNamesAndEveryCostZerosIncluded) {
  put(model::kPrgSheet, "R5", "  Geo A system  ");
  put(model::kPrgSheet, "R6", "");
  put(model::kPrgSheet, "S5", "0");
  put(model::kPrgSheet, "W7", "1234.56789");
  charts.Fill_ComparisonChart();
  const Chart& chart = charts.Form11().Chartfx2;
  EXPECT_EQ(chart.series_name(0), "Geo A system");
  EXPECT_EQ(chart.series_name(1), "");
  EXPECT_EQ(chart.value(0, 0), 0);
  EXPECT_EQ(chart.value(2, 4), 1234.5679);
  EXPECT_EQ(chart.point_caption(2), "Hot Water");
  EXPECT_EQ(chart.point_count(), 5);
  EXPECT_EQ(control.active_sheet(), model::kPrgSheet);
}

TEST_F(ReportChartsTest, EveryGraphAfterAFillIsTheOneItsInputsDrawAfresh) {
  struct Row {
    const char* change;
    std::function<void()> apply;
  };
  const Row rows[] = {
      {"nothing", [] {}},
      {"a capacity", [&] { put(model::kFugSheet, "T5", "777"); }},
      {"a bin temperature", [&] { put(model::kGagSheet, "R9", "3"); }},
      {"the maximum", [&] { put(model::kGbgSheet, "X11", "90000"); }},
      {"a system's name", [&] { put(model::kPrgSheet, "R6", "Another"); }},
      {"metric display", [&] { model.MetricFlag(model::kMetricDisplay) = -1; }},
      {"the currency", [&] { model.CurrencyLabel = "EUR"; }},
      {"a stray picture",
       [&] {
         book.sheet(model::kGagSheet - 1).add_picture({0, 0}, {1, 1}, {7});
       }},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.change);
    fill();
    r.apply();
    fill();
    sheet::Book fresh_book = book;
    sheet::BookControl fresh_control(fresh_book);
    ReportCharts fresh(fresh_control, model);
    fresh.Fill_BinCharts();
    fresh.Fill_ComparisonChart();
    for (const int number : kGraphSheets) {
      const auto& kept = sheet_of(number).pictures();
      const auto& drawn = fresh_book.sheet(number - 1).pictures();
      ASSERT_EQ(kept.size(), drawn.size()) << number;
      if (!kept.empty()) {
        EXPECT_EQ(kept[0].data, drawn[0].data) << number;
      }
    }
  }
}

TEST_F(ReportChartsTest, TheMaximumCellGivesTheAxisAndNoValueShownLiesAboveIt) {
  // Without values the maximum cell alone decides.
  for (int row = 5; row <= 34; ++row)
    for (const char* col : {"S", "T", "U"})
      put(model::kFugSheet, (col + std::to_string(row)).c_str(), "");
  for (int row = 5; row <= 7; ++row)
    for (const char* col : {"S", "T", "U", "V", "W"})
      put(model::kPrgSheet, (col + std::to_string(row)).c_str(), "");
  struct Row {
    int sheet;
    const char* cell;
    const char* text;
    double top, interval;
  };
  const Row rows[] = {
      {model::kFugSheet, "X11", "2.5", 2, 1},
      {model::kFugSheet, "X11", "3.5", 4, 1},
      {model::kFugSheet, "X11", "-1234.5", 1'400, 200},
      {model::kFugSheet, "X11", "40.4", 40, 5},
      {model::kFugSheet, "T5", "40.4", 45, 5},  // a metric capacity above its rounded maximum
      {model::kFugSheet, "X11", "4000000", 4'000'000, 500'000},
      {model::kPrgSheet, "S11", "1234.5", 1'400, 200},
      {model::kPrgSheet, "S11", "0", 1, 1},
      {model::kPrgSheet, "W7", "100.4", 120, 20},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.cell) + " " + r.text);
    put(r.sheet, r.cell, r.text);
    fill();
    const Chart& chart =
        r.sheet == model::kPrgSheet ? charts.Form11().Chartfx2 : charts.Form11().Chartfx1;
    EXPECT_EQ(chart.scale_limit(kScaleMax), r.top);
    EXPECT_EQ(chart.scale_limit(kScaleInterval), r.interval);
  }
}

TEST_F(ReportChartsTest, EveryFillLeavesOneFreshPictureOnEachComparedGraphSheet) {
  const std::vector<std::uint8_t> stray = {1, 2, 3};
  for (const int sheet :
       {model::kGagSheet, model::kGagSheet, model::kPrgSheet, model::kPrsSheet, model::kAagSheet})
    book.sheet(sheet - 1).add_picture({0, 0}, {1, 1}, stray);
  fill();
  const std::vector<std::uint8_t> first_fug = sheet_of(model::kFugSheet).pictures().at(0).data;
  put(model::kFugSheet, "T5", "12345");
  compare(model.ProjectRec, SystemType::GeoT, SystemType::Fossil, SystemType::NoSystem);
  fill();
  for (const int number : kGraphSheets) {
    SCOPED_TRACE(book.sheet(number - 1).name());
    const auto& pictures = sheet_of(number).pictures();
    if (!drawn(number, {SystemType::GeoT, SystemType::Fossil})) {
      EXPECT_TRUE(pictures.empty()) << "no graph of a system not compared, nor of an earlier one";
      EXPECT_TRUE(charts.Form11().holder_of(number)->empty());
      continue;
    }
    ASSERT_EQ(pictures.size(), 1u);
    const sheet::Picture& p = pictures[0];
    EXPECT_EQ(p.format, sheet::PictureFormat::kRecorded);
    EXPECT_EQ(p.data, *charts.Form11().holder_of(number))
        << "the holder keeps what the sheet shows";
    EXPECT_EQ(p.top_left.col, 2.0);
    EXPECT_EQ(p.top_left.row, 6.0);
    EXPECT_EQ(p.bottom_right.col, 14.0);
    const bool comparison = number == model::kPrgSheet;
    EXPECT_EQ(p.bottom_right.row, comparison ? 45.0 : 46.5);
    // 15 twips to a unit: 9000 x 9200 and 10000 x 10000 twips.
    EXPECT_EQ(sheet::view::decode_recording(p).boundingRect(),
              comparison ? QRect(0, 0, 600, 613) : QRect(0, 0, 667, 667));
  }
  EXPECT_NE(sheet_of(model::kFugSheet).pictures().at(0).data, first_fug)
      << "drawn again from the new values";
  EXPECT_EQ(sheet_of(model::kPrsSheet).pictures().size(), 1u) << "other sheets keep their pictures";
}

TEST(ReportChartsWindowTest, TheReportsWindowsControlCountsAndShowsTheGraphs) {
  model::ModelState model;
  sheet::view::SpreadsheetControl F1Book1;
  F1Book1.hold_book(workbook::load_report_template());
  compare(model.ProjectRec, SystemType::GeoA, SystemType::Elec, SystemType::GeoB);
  ReportCharts charts(chart_workbook(F1Book1), model);
  charts.Fill_BinCharts();
  charts.Fill_ComparisonChart();
  for (const int number : kGraphSheets) {
    F1Book1.ActiveSheet(number);
    const bool shown = drawn(number, {SystemType::GeoA, SystemType::Elec, SystemType::GeoB});
    EXPECT_EQ(F1Book1.ObjectCount(), shown ? 1 : 0) << number;
    if (!shown) continue;
    const QImage page =
        sheet::view::render_block(F1Book1.book(), number - 1, *sheet::parse_a1_range("B1:O48"))
            .image;
    int coloured = 0;
    for (int y = 0; y < page.height(); ++y) {
      for (int x = 0; x < page.width(); ++x) {
        const QColor c = page.pixelColor(x, y);
        coloured +=
            std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) >
            60;
      }
    }
    EXPECT_GT(coloured, 500) << "the graph of sheet " << number << " shows in colour";
  }
}

TEST(ReportChartsFillTest, EachFillDrawsTheGraphsOfTheSystemsItsProjectCompares) {
  const std::filesystem::path folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  workbook::ProjectAnalysis analysis(folder);
  ReportCharts charts(analysis.report_control(), analysis.model);
  analysis.charts = &charts;
  for (const auto& project : pellavan::testing::project_set()) {
    SCOPED_TRACE(project.name);
    ASSERT_TRUE(analysis.run_file(project.file).fill.filled);
    const model::ProjectRec& rec = analysis.model.ProjectRec;
    const auto kind = [](model::Int16 code) { return static_cast<SystemType>(code); };
    for (const int number : kGraphSheets)
      EXPECT_EQ(
          analysis.book.sheet(number - 1).pictures().size(),
          drawn(number, {kind(rec.System1_Type), kind(rec.System2_Type), kind(rec.System3_Type)})
              ? 1u
              : 0u)
          << number;
  }
  EXPECT_EQ(analysis.report_control().active_sheet(), model::kFusSheet)
      << "the fill reads its results after the graphs";
  const Chart& comparison = charts.Form11().Chartfx2;
  EXPECT_FALSE(comparison.series_name(0).empty());
  EXPECT_GT(comparison.value(0, 4), 0) << "a total cost";
}

// What a homeowner counts the printed graphs by: every value axis, in every unit display, runs
// from 0 in even steps of 1, 2, 2.5 or 5 times a power of ten, 5 to 10 of them (fewer only in
// steps of 1), to a top at or above the largest value drawn.
TEST(ReportChartsFillTest, EveryGraphPrintsItsValueAxisInEvenRoundSteps) {
  const std::filesystem::path folder = PELLAVAN_BUILT_PROGRAM_FOLDER;
  struct Display {
    const char* name;
    bool metric, keep_btuh;
  };
  for (const Display& d : {Display{"imperial", false, false}, Display{"kW", true, false},
                           Display{"kBtuh", true, true}}) {
    workbook::ProjectAnalysis analysis(folder);
    analysis.model.MetricFlag(model::kMetricDisplay) = d.metric ? -1 : 0;
    analysis.model.MetricFlag(model::kKeepBtuh) = d.keep_btuh ? -1 : 0;
    ReportCharts charts(analysis.report_control(), analysis.model);
    analysis.charts = &charts;
    for (const auto& project : pellavan::testing::project_set()) {
      ASSERT_TRUE(analysis.run_file(project.file).fill.filled);
      for (const int number : kGraphSheets) {
        const auto& pictures = analysis.book.sheet(number - 1).pictures();
        if (pictures.empty()) continue;
        SCOPED_TRACE(std::string(project.name) + " in " + d.name + ", sheet " +
                     std::to_string(number));
        const auto labels = printed_axis_labels(pictures[0]);
        if (!labels) GTEST_SKIP() << "poppler-utils are not installed: the graphs were not read";
        ASSERT_GE(labels->size(), 2u);
        const double step = (*labels)[1];
        const double multiple = step / std::pow(10.0, std::floor(std::log10(step)));
        EXPECT_TRUE(multiple == 1 || multiple == 2 || multiple == 2.5 || multiple == 5) << step;
        for (std::size_t i = 0; i < labels->size(); ++i)
          EXPECT_EQ((*labels)[i], step * static_cast<double>(i)) << i;
        const std::size_t steps = labels->size() - 1;
        EXPECT_LE(steps, 10u);
        EXPECT_TRUE(steps >= 5 || step == 1) << steps << " steps of " << step;
        sheet::BookControl& control = analysis.report_control();
        control.set_active_sheet(number);
        const double largest =
            model::Val(control.cell_text(11, number == model::kPrgSheet ? 19 : 24));
        EXPECT_GE(labels->back(), largest);
      }
    }
  }
}

}  // namespace
}  // namespace pellavan::reports
