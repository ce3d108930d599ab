#include "reports/charts/charts_window.h"

#include <string>

#include "model/report_workbook_sheets.h"
#include "model/text/cp1252.h"
#include "reports/charts/value_labels.h"

namespace pellavan::reports {

namespace {

bool is_set(model::Int16 flag) { return flag != 0; }

}  // namespace

ChartsWindow::ChartsWindow(const model::ModelState& model)
    : Chartfx1(ChartKind::kLinesWithMarkers, ""),
      Chartfx2(ChartKind::kGroupedBars, std::string(kComparisonTitle)),
      model_(model) {
  Chartfx1.LabelRequest = [this](std::int16_t kind, std::int16_t& result) {
    Chartfx1_LabelRequest(kind, result);
  };
  Chartfx2.LabelRequest = [this](std::int16_t kind, std::int16_t& result) {
    Chartfx2_LabelRequest(kind, result);
  };
}

void ChartsWindow::Chartfx1_LabelRequest(std::int16_t kind, std::int16_t& result) {
  const model::MetricFlags& flag = model_.MetricFlag;
  result = 1;
  Chartfx1.Chart_LabelString =
      kind == kValueAxisLabel ? whole_number_label(Chartfx1.Chart_LabelString, "#,###0") : "";
  const bool metric = is_set(flag(model::kMetricDisplay));
  Chartfx1.Chart_AxisCaption(kValueAxis, metric && !is_set(flag(model::kKeepBtuh)) ? "kW"
                                         : metric                                  ? "kBtuh"
                                                                                   : "Btu/hr");
  Chartfx1.Chart_AxisCaption(kCategoryAxis, metric && !is_set(flag(model::kKeepFahrenheit))
                                                ? "Outdoor Temperature Deg C"
                                                : "Outdoor Temperature Deg F");
}

void ChartsWindow::Chartfx2_LabelRequest(std::int16_t kind, std::int16_t& result) {
  const bool metric = is_set(model_.MetricFlag(model::kMetricDisplay));
  result = 1;
  Chartfx2.Chart_LabelString =
      kind == kValueAxisLabel
          ? whole_number_label(Chartfx2.Chart_LabelString, metric ? "#,###0" : "$#,###0")
          : "";
  Chartfx2.Chart_AxisCaption(kValueAxis,
                             metric ? model::utf8_from_cp1252(model_.CurrencyLabel.str()) : "");
}

std::vector<std::uint8_t>* ChartsWindow::holder_of(int sheet) {
  switch (sheet) {
    case model::kGagSheet: return &Image1;
    case model::kGbgSheet: return &Image2;
    case model::kAagSheet: return &Image3;
    case model::kFugSheet: return &Image4;
    case model::kPrgSheet: return &Image5;
    case model::kGtgSheet: return &Image6;
    default: return nullptr;
  }
}

}  // namespace pellavan::reports
