#include "reports/charts/chart.h"

#include <stdexcept>

#include "model/units/number_text.h"

namespace pellavan::reports {

namespace {

void check_index(int i, const char* what) {
  if (i < 0) throw std::out_of_range(std::string("negative ") + what + " " + std::to_string(i));
}

}  // namespace

std::string Chart::text_at(const std::vector<std::string>& texts, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < texts.size() ? texts[static_cast<std::size_t>(i)]
                                                              : std::string();
}

void Chart::put_text(std::vector<std::string>& texts, int i, std::string text) {
  if (static_cast<std::size_t>(i) >= texts.size()) texts.resize(static_cast<std::size_t>(i) + 1);
  texts[static_cast<std::size_t>(i)] = std::move(text);
}

void Chart::Chart_SeriesName(int series, std::string text) {
  check_index(series, "series");
  put_text(series_names_, series, std::move(text));
}

void Chart::Chart_PointCaption(int point, std::string text) {
  check_index(point, "point");
  put_text(captions_, point, std::move(text));
}

void Chart::Chart_AxisCaption(int index, std::string text) {
  check_index(index, "axis");
  put_text(axis_captions_, index, std::move(text));
}

std::string Chart::axis_caption(int index) const { return text_at(axis_captions_, index); }

void Chart::Chart_BeginValues(std::int16_t, int series, int points) {
  check_index(series, "series count");
  check_index(points, "point count");
  pending_.assign(static_cast<std::size_t>(series) * static_cast<std::size_t>(points), kNoValue);
  pending_series_ = series;
  pending_points_ = points;
  active_series_ = 0;
}

void Chart::Chart_ActiveSeries(int series) { active_series_ = series; }

void Chart::Chart_SeriesValue(int point, double value) {
  if (pending_series_ < 0) throw std::out_of_range("a value outside a value set");
  if (active_series_ < 0 || active_series_ >= pending_series_ || point < 0 ||
      point >= pending_points_)
    throw std::out_of_range("no point " + std::to_string(point) + " of series " +
                            std::to_string(active_series_));
  pending_[static_cast<std::size_t>(active_series_) * static_cast<std::size_t>(pending_points_) +
           static_cast<std::size_t>(point)] = value;
}

void Chart::Chart_EndValues(std::int16_t) {
  if (pending_series_ < 0) return;
  shown_ = std::move(pending_);
  shown_series_ = pending_series_;
  shown_points_ = pending_points_;
  pending_.clear();
  pending_series_ = -1;
}

double Chart::value(int series, int point) const {
  if (series < 0 || series >= shown_series_ || point < 0 || point >= shown_points_) return kNoValue;
  return shown_[static_cast<std::size_t>(series) * static_cast<std::size_t>(shown_points_) +
                static_cast<std::size_t>(point)];
}

void Chart::Chart_ScaleLimit(int index, double value) {
  if (index < kScaleMin || index > kScaleInterval)
    throw std::out_of_range("no scale limit " + std::to_string(index));
  scale_[index] = value;
}

double Chart::scale_limit(int index) const {
  return index >= kScaleMin && index <= kScaleInterval ? scale_[index] : 0.0;
}

std::int32_t Chart::appearance(int number, int index, std::int32_t fallback) const {
  const auto it = appearance_.find({number, index});
  return it == appearance_.end() ? fallback : it->second;
}

std::string Chart::value_label(double value) {
  const std::string own = model::format_significant(value, 15);
  if (!LabelRequest) return own;
  Chart_LabelString = own;
  std::int16_t result = 0;
  LabelRequest(kValueAxisLabel, result);
  return result == 1 ? Chart_LabelString : own;
}

}  // namespace pellavan::reports
