#pragma once
// A chart drawn into a recorded picture (kept in memory, drawn as lines and texts at any size),
// its frame the chart's Width x Height: grouped bars or lines with markers, one value axis, the
// category captions, the axis titles and a legend. The value-axis labels are asked of the
// chart's LabelRequest before anything is drawn, so that the titles its handler sets show.

#include <QPicture>

#include "reports/charts/chart.h"
#include "reports/charts/chart_layout.h"

namespace pellavan::reports {

QPicture draw_chart(Chart& chart, const ChartFonts& fonts);

}  // namespace pellavan::reports
