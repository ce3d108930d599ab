#include "reports/charts/report_charts.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "model/project/system_kinds.h"
#include "model/report_workbook_sheets.h"
#include "model/text/ascii.h"
#include "model/units/number_text.h"
#include "model/units/rounding.h"
#include "reports/charts/chart_drawing.h"
#include "reports/charts/chart_scale.h"
#include "reports/chosen_systems.h"
#include "sheet_view/picture_cache.h"

namespace pellavan::reports {

namespace {

constexpr int kColR = 18, kColS = 19, kColT = 20, kColU = 21, kColX = 24;
constexpr int kFirstBinRow = 5;
constexpr int kBins = 30;
constexpr int kSystems = 3;
constexpr std::int32_t kWhite = 16777215;
constexpr std::int16_t kValueSet = 1;

constexpr std::array<const char*, 5> kCostCaptions = {"Heating", "Cooling", "Hot Water", "Fan",
                                                      "Total"};

// Appearance of the two charts: white backgrounds and the packed settings they carry.
void set_appearance(Chart& chart, std::int32_t packed_112, std::int32_t packed_110,
                    std::int32_t p49, std::int32_t p8) {
  chart.Chart_Prop(20, kWhite);
  chart.Chart_Prop(107, 4097, kWhite);
  chart.Chart_Prop(107, 1, 67108864);
  chart.Chart_Prop(112, 1, 4);
  chart.Chart_Prop(112, 16385, packed_112);
  chart.Chart_Prop(110, 1, packed_110);
  chart.Chart_Prop(49, p49);
  chart.Chart_Prop(8, p8);
}

}  // namespace

ReportCharts::ReportCharts(ChartWorkbook workbook, const model::ModelState& model)
    : workbook_(std::move(workbook)), model_(model) {}

ReportCharts::ReportCharts(sheet::BookControl& workbook, const model::ModelState& model)
    : ReportCharts(ChartWorkbook{[&workbook]() -> sheet::BookControl& { return workbook; }, {}},
                   model) {}

ReportCharts::~ReportCharts() = default;

ChartsWindow& ReportCharts::Form11() {
  if (!form11_) form11_ = std::make_unique<ChartsWindow>(model_);
  return *form11_;
}

double ReportCharts::cell_number(int row, int col) const {
  return model::Currency::from_double_saturated(model::Val(ReportWorkbook().cell_text(row, col)))
      .to_double();
}

std::int32_t ReportCharts::whole_maximum(int row, int col) const {
  return model::round_to_int32(std::fabs(cell_number(row, col)));
}

void ReportCharts::Fill_BinCharts() {
  Chart& chart = Form11().Chartfx1;
  chart.Chart_SeriesName(0, "System Capacity");
  chart.Chart_SeriesName(1, "Building Load");
  chart.Chart_SeriesName(2, "Weather Hours");
  set_appearance(chart, MakeLong(130, 637), MakeLong(500, 25), 83, 75);
  chart.Chart_Prop(6, 45);
  chart.Chart_Prop(12, 3);

  std::array<double, kBins> GraphTemp{}, GraphHours{}, GraphCapacity{}, GraphLoad{};
  const ChosenSystems compared = ChosenSystems::of(model_.ProjectRec);
  for (const model::SystemKind& graph : model::kSystemKinds) {  // in the order they are drawn
    const int sheet = graph.graph_sheet;
    ReportWorkbook().set_active_sheet(sheet);
    const bool captions = sheet == model::kGagSheet;
    if (captions) {
      for (int i = 0; i < kBins; ++i) GraphTemp[i] = cell_number(kFirstBinRow + i, kColR);
      for (int i = 0; i < kBins; ++i)
        chart.Chart_PointCaption(i, model::format_significant(GraphTemp[i], 15));
    }
    // A system the project does not compare has no report to show its graph: it is not drawn,
    // and no graph of an earlier project stays on its sheet.
    if (!compared.has(graph.type)) {
      Remove_ChartPicture();
      continue;
    }
    ChartMax = whole_maximum(11, kColX);
    Scale_ChartAxis();
    for (int i = 0; i < kBins; ++i) {
      const int row = kFirstBinRow + i;
      GraphHours[i] = cell_number(row, kColS);
      GraphCapacity[i] = cell_number(row, kColT);
      GraphLoad[i] = std::fabs(cell_number(row, kColU));
    }
    chart.Chart_BeginValues(kValueSet, kSystems, kBins);
    const std::array<const std::array<double, kBins>*, kSystems> series = {&GraphCapacity,
                                                                           &GraphLoad, &GraphHours};
    for (int s = 0; s < kSystems; ++s) {
      for (int i = 0; i < kBins; ++i) {
        chart.Chart_ActiveSeries(s);
        const double v = (*series[s])[i];
        chart.Chart_SeriesValue(i, v == 0 ? kNoValue : v);
      }
    }
    chart.Chart_EndValues(kValueSet);
    Fit_ChartAxis(chart);
    Place_ChartPicture(chart);
    if (workbook_.select_block_start) workbook_.select_block_start();
  }
}

void ReportCharts::Fill_ComparisonChart() {
  ReportWorkbook().set_active_sheet(model::kPrgSheet);
  Chart& chart = Form11().Chartfx2;
  for (int k = 0; k < kSystems; ++k)
    chart.Chart_SeriesName(
        k, std::string(model::trim_blanks(ReportWorkbook().cell_text(5 + k, kColR))));
  for (int p = 0; p < static_cast<int>(kCostCaptions.size()); ++p)
    chart.Chart_PointCaption(p, kCostCaptions[p]);
  set_appearance(chart, MakeLong(160, 505), MakeLong(300, 90), 19, 160);
  chart.Chart_Prop(5, 80);
  chart.Chart_Prop(12, 1);
  ChartMax = whole_maximum(11, kColS);
  Scale_ChartAxis();
  const int points = static_cast<int>(kCostCaptions.size());
  chart.Chart_BeginValues(kValueSet, kSystems, points);
  for (int k = 0; k < kSystems; ++k) {
    for (int p = 0; p < points; ++p) {
      chart.Chart_ActiveSeries(k);
      chart.Chart_SeriesValue(p, cell_number(5 + k, kColS + p));  // a zero cost is drawn as 0
    }
  }
  chart.Chart_EndValues(kValueSet);
  Fit_ChartAxis(chart);
  Place_ChartPicture(chart);
  if (workbook_.select_block_start) workbook_.select_block_start();
}

void ReportCharts::Scale_ChartAxis() {
  Chart& chart =
      ReportWorkbook().active_sheet() == model::kPrgSheet ? Form11().Chartfx2 : Form11().Chartfx1;
  reports::Scale_ChartAxis(chart, ChartMax);
}

void ReportCharts::Export_ChartPicture() {
  const bool comparison = ReportWorkbook().active_sheet() == model::kPrgSheet;
  Chart& chart = comparison ? Form11().Chartfx2 : Form11().Chartfx1;
  chart.Height = comparison ? 9200 : 10000;
  chart.Width = comparison ? 9000 : 10000;
  if (!fonts_) fonts_ = std::make_unique<ChartFonts>();
  exported_ = sheet::view::encode_recording(draw_chart(chart, *fonts_));
}

ReportCharts::GraphInputs ReportCharts::inputs_of(const Chart& chart) const {
  GraphInputs in{ChartMax, {chart.title()}, {}, model_.MetricFlag, model_.CurrencyLabel};
  for (int s = 0; s < chart.series_count(); ++s) in.texts.push_back(chart.series_name(s));
  for (int p = 0; p < chart.point_count(); ++p) in.texts.push_back(chart.point_caption(p));
  for (const int limit : {kScaleMin, kScaleMax, kScaleInterval})
    in.numbers.push_back(chart.scale_limit(limit));
  for (int s = 0; s < chart.series_count(); ++s)
    for (int p = 0; p < chart.point_count(); ++p) in.numbers.push_back(chart.value(s, p));
  return in;
}

void ReportCharts::Place_ChartPicture(const Chart& chart) {
  const int active = ReportWorkbook().active_sheet();
  GraphInputs inputs = inputs_of(chart);
  const auto drawn = drawn_from_.find(active);
  std::vector<std::uint8_t>* holder = Form11().holder_of(active);
  if (drawn != drawn_from_.end() && drawn->second == inputs && holder != nullptr) {
    const auto& pictures = ReportWorkbook().book().sheet(active - 1).pictures();
    if (pictures.size() == 1 && pictures[0].data == *holder) return;
    exported_ = *holder;  // the same graph, put back alone
  } else {
    Export_ChartPicture();
  }
  Insert_ChartPicture();
  drawn_from_[active] = std::move(inputs);
}

void ReportCharts::Remove_ChartPicture() {
  const int active = ReportWorkbook().active_sheet();
  drawn_from_.erase(active);
  if (std::vector<std::uint8_t>* holder = Form11().holder_of(active)) holder->clear();
  sheet::Book& book = ReportWorkbook().book();
  sheet::Sheet& sheet = book.sheet(active - 1);
  if (sheet.pictures().empty()) return;
  sheet.clear_pictures();
  book.touch();
}

void ReportCharts::Insert_ChartPicture() {
  const int active = ReportWorkbook().active_sheet();
  std::vector<std::uint8_t>* holder = Form11().holder_of(active);
  if (holder) *holder = exported_;
  sheet::Book& book = ReportWorkbook().book();
  sheet::Sheet& sheet = book.sheet(active - 1);
  // Every drawing object goes, so that no picture of an earlier fill stays behind this one.
  sheet.clear_pictures();
  if (holder) {
    const sheet::GridPoint bottom_right =
        active == model::kPrgSheet ? kComparisonBottomRight : kBinGraphBottomRight;
    sheet.add_picture(kGraphTopLeft, bottom_right, *holder, sheet::PictureFormat::kRecorded);
  }
  book.touch();
}

}  // namespace pellavan::reports
