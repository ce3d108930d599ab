#include "reports/charts/chart_layout.h"

#include <algorithm>
#include <cmath>

#include "platform/layout_fonts.h"

namespace pellavan::reports {

namespace {

constexpr double kMargin = 14.0;
constexpr double kGap = 6.0;
constexpr double kSwatch = 26.0;
constexpr double kEntryGap = 20.0;
constexpr double kSmallestSide = 120.0;

QFont pixel_font(int pixels, bool bold) {
  const platform::DrawnFace face = platform::drawn_face(QStringLiteral("Arial"));
  QFont f(face.family);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * face.size_factor))));
  f.setBold(bold);
  return f;
}

// Legend entries centred in rows at the foot of the frame; returns the rows' top.
double place_legend(const Chart& chart, const ChartText& font, double left, double right,
                    double bottom, std::vector<LegendEntry>& out) {
  const double line = font.height() + 4;
  std::vector<std::vector<LegendEntry>> rows(1);
  std::vector<double> widths(1, 0.0);
  for (int s = 0; s < chart.series_count(); ++s) {
    const double text = font.width(QString::fromStdString(chart.series_name(s)));
    const double width = kSwatch + kGap + text;
    if (!rows.back().empty() && widths.back() + kEntryGap + width > right - left) {
      rows.emplace_back();
      widths.push_back(0.0);
    }
    if (!rows.back().empty()) widths.back() += kEntryGap;
    rows.back().push_back({QRectF(widths.back(), 0, kSwatch, line),
                           QRectF(widths.back() + kSwatch + kGap, 0, text, line), s});
    widths.back() += width;
  }
  if (rows.front().empty()) return bottom;
  // Rows start where the widest one does, so that their swatches line up.
  const double widest = *std::max_element(widths.begin(), widths.end());
  const double top = bottom - line * static_cast<double>(rows.size());
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const QPointF shift(left + (right - left - widest) / 2, top + line * static_cast<double>(r));
    for (LegendEntry& e : rows[r]) {
      e.swatch.translate(shift);
      e.text.translate(shift);
      out.push_back(e);
    }
  }
  return top;
}

}  // namespace

ChartFonts::ChartFonts()
    : title(pixel_font(18, true)),
      label(pixel_font(12, false)),
      axis_title(pixel_font(13, true)),
      legend(pixel_font(12, false)) {}

ChartLayout lay_out_chart(const Chart& chart, const std::vector<AxisTick>& ticks,
                          const QString& value_title, const QString& category_title,
                          const ChartFonts& fonts) {
  ChartLayout out;
  out.frame = QRectF(0, 0, std::max(kSmallestSide, std::round(chart.Width / kTwipsPerUnit)),
                     std::max(kSmallestSide, std::round(chart.Height / kTwipsPerUnit)));
  const ChartText& label = fonts.label;
  const ChartText& axis_title = fonts.axis_title;
  double top = kMargin;
  if (!chart.title().empty()) {
    out.title =
        QRectF(kMargin, kMargin, out.frame.width() - 2 * kMargin, fonts.title.height() * 1.5);
    top = out.title.bottom() + kGap;
  }
  top += label.height() / 2;  // room for the top label, centred on its line

  double left = kMargin;
  if (!value_title.isEmpty()) left += axis_title.height() + kGap;
  double widest = 0;
  for (const AxisTick& t : ticks)
    widest = std::max(widest, label.width(QString::fromStdString(t.label)));
  out.label_right = left + widest;
  const double plot_left = out.label_right + kGap;
  const double plot_right = out.frame.width() - kMargin - kGap;

  const double legend_top = place_legend(chart, fonts.legend, kMargin, out.frame.width() - kMargin,
                                         out.frame.height() - kMargin, out.legend);
  double bottom = legend_top - kGap;
  if (!category_title.isEmpty()) {
    out.category_title = QRectF(plot_left, bottom - axis_title.height(), plot_right - plot_left,
                                axis_title.height());
    bottom = out.category_title.top() - kGap;
  }
  const double slot = (plot_right - plot_left) / std::max(1, chart.point_count());
  double caption_width = 0;
  for (int p = 0; p < chart.point_count(); ++p)
    caption_width =
        std::max(caption_width, label.width(QString::fromStdString(chart.point_caption(p))));
  out.vertical_captions = caption_width > slot - 4;
  const double caption_height = out.vertical_captions ? caption_width : label.height();
  out.caption_top = bottom - caption_height;
  out.plot = QRectF(QPointF(plot_left, top),
                    QPointF(plot_right, std::max(top + 1, out.caption_top - kGap)));
  if (!value_title.isEmpty()) {
    // Unrotated box of the title: as wide as the plot is high, centred on it.
    out.value_title = QRectF(kMargin, out.plot.top(), axis_title.height(), out.plot.height());
  }
  return out;
}

}  // namespace pellavan::reports
