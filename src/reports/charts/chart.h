#pragma once
// A chart as the graph routines fill it: series names, point captions, a value set of series by
// points, the value-axis scale, the axis titles, its size and a few appearance settings. The
// value-axis labels pass through the LabelRequest handler as they are drawn, which may rewrite
// them (and set the axis titles). The drawing itself lives in chart_drawing.h.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace pellavan::reports {

// The value of a point without value: nothing is drawn there.
inline constexpr double kNoValue = 3.4028234663852886E+38;

enum class ChartKind : std::uint8_t {
  kGroupedBars,       // one group of bars per point, one bar per series
  kLinesWithMarkers,  // one line per series over the points, broken where a point has no value
};

// Indexes of Chart_ScaleLimit and Chart_AxisCaption.
inline constexpr int kScaleMin = 0, kScaleMax = 1, kScaleInterval = 2;
inline constexpr int kValueAxis = 0, kCategoryAxis = 3;
// The LabelRequest kind of a value-axis label.
inline constexpr std::int16_t kValueAxisLabel = 1;

class Chart {
 public:
  Chart(ChartKind kind, std::string title) : kind_(kind), title_(std::move(title)) {}

  // ---- what the graph routines set ----
  void Chart_SeriesName(int series, std::string text);
  // Captions stay across later value sets.
  void Chart_PointCaption(int point, std::string text);
  // Starts a new value set of that shape, every value kNoValue until set; the values shown so
  // far stay until Chart_EndValues. std::out_of_range for a negative shape.
  void Chart_BeginValues(std::int16_t kind, int series, int points);
  void Chart_ActiveSeries(int series);
  // Into the active series of the set begun; std::out_of_range outside its shape or with no set
  // begun.
  void Chart_SeriesValue(int point, double value);
  // The set begun becomes the one shown.
  void Chart_EndValues(std::int16_t kind);
  void Chart_ScaleLimit(int index, double value);  // kScaleMin, kScaleMax, kScaleInterval
  void Chart_AxisCaption(int index, std::string text);
  // Appearance settings by number (and index). Kept as set; the drawing uses 20, the background
  // colour as red + 256 green + 65536 blue.
  void Chart_Prop(int number, std::int32_t value) { appearance_[{number, -1}] = value; }
  void Chart_Prop(int number, int index, std::int32_t value) {
    appearance_[{number, index}] = value;
  }

  // Size of the drawing in twips.
  double Height = 0.0;
  double Width = 0.0;
  // Inside LabelRequest: the label about to be drawn; what the handler leaves here is drawn.
  std::string Chart_LabelString;
  // Raised for every value-axis label with (kind, result); result starts 0, and a handler that
  // sets it to 1 has its Chart_LabelString drawn. A copy of the chart shares the handler.
  std::function<void(std::int16_t kind, std::int16_t& result)> LabelRequest;

  // ---- what the drawing reads ----
  ChartKind kind() const { return kind_; }
  const std::string& title() const { return title_; }
  int series_count() const { return shown_series_; }
  int point_count() const { return shown_points_; }
  // Empty texts where none was set.
  std::string series_name(int series) const { return text_at(series_names_, series); }
  std::string point_caption(int point) const { return text_at(captions_, point); }
  double value(int series, int point) const;  // kNoValue outside the shown set
  double scale_limit(int index) const;        // 0 where none was set
  std::string axis_caption(int index) const;
  std::int32_t appearance(int number, int index = -1, std::int32_t fallback = 0) const;
  // The text drawn for the value-axis label at `value`: the chart's own text of the number
  // (plain digits, "." as decimal point), as LabelRequest leaves it.
  std::string value_label(double value);

 private:
  static std::string text_at(const std::vector<std::string>& texts, int i);
  static void put_text(std::vector<std::string>& texts, int i, std::string text);

  ChartKind kind_;
  std::string title_;
  std::vector<std::string> series_names_;
  std::vector<std::string> captions_;
  std::vector<std::string> axis_captions_;
  std::vector<double> shown_;  // series by points
  int shown_series_ = 0, shown_points_ = 0;
  std::vector<double> pending_;
  int pending_series_ = -1, pending_points_ = 0;
  int active_series_ = 0;
  double scale_[3] = {0.0, 0.0, 0.0};
  std::map<std::pair<int, int>, std::int32_t> appearance_;
};

}  // namespace pellavan::reports
