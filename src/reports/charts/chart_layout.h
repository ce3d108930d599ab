#pragma once
// Where the parts of a chart go in its frame (one unit a pixel at 96 per inch: 15 twips): the
// title on top, the legend at the foot, above it the category axis with its title, the value
// axis with its title on the left, and the plot area in what remains.

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "reports/charts/chart.h"
#include "reports/charts/chart_text.h"
#include "reports/charts/value_labels.h"

namespace pellavan::reports {

inline constexpr double kTwipsPerUnit = 15.0;

struct ChartFonts {
  ChartText title, label, axis_title, legend;
  ChartFonts();
};

struct LegendEntry {
  QRectF swatch;  // where the series' sample goes
  QRectF text;
  int series = 0;
};

struct ChartLayout {
  QRectF frame;
  QRectF title;  // empty without a title
  QRectF plot;
  QRectF value_title;  // the rotated value-axis title, as its unrotated box
  QRectF category_title;
  double caption_top = 0;          // top of the category captions
  bool vertical_captions = false;  // captions run upwards when they do not fit side by side
  double label_right = 0;          // right edge of the value labels
  std::vector<LegendEntry> legend;
};

// `ticks` are the value-axis labels, `value_title` and `category_title` the axis titles.
ChartLayout lay_out_chart(const Chart& chart, const std::vector<AxisTick>& ticks,
                          const QString& value_title, const QString& category_title,
                          const ChartFonts& fonts);

}  // namespace pellavan::reports
