#include "reports/charts/chart_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>

#include "reports/charts/chart_layout.h"

namespace pellavan::reports {

namespace {

// Series looks, told apart in grey too: by lightness for bars; by dash and marker for lines.
struct SeriesLook {
  QColor bar;
  QColor line;
  Qt::PenStyle dash;
  int marker;  // 0 square, 1 triangle, 2 circle
};
constexpr int kLookCount = 3;
const std::array<SeriesLook, kLookCount> kLooks = {{
    {QColor(0x2F, 0x55, 0x97), QColor(0x1F, 0x4E, 0x9A), Qt::SolidLine, 0},
    {QColor(0xED, 0x7D, 0x31), QColor(0xC0, 0x39, 0x2B), Qt::DashLine, 1},
    {QColor(0xA9, 0xD1, 0x8E), QColor(0x2E, 0x8B, 0x57), Qt::DotLine, 2},
}};
const QColor kGridColour(0xD9, 0xD9, 0xD9);
const QColor kAxisColour(0x59, 0x59, 0x59);
constexpr double kMarker = 3.5;  // half a marker's side
constexpr std::int32_t kWhite = 16777215;

const SeriesLook& look_of(int series) {
  return kLooks[static_cast<std::size_t>(series % kLookCount)];
}

// Appearance colours are red + 256 green + 65536 blue.
QColor colour_of(std::int32_t rgb) {
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

QPen line_pen(int series) {
  QPen pen(look_of(series).line, 2.0, look_of(series).dash);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// The pen and brush of a series' markers. The painter records a brush again unless it is this
// same brush, so one is made per series rather than per marker.
void set_marker_look(QPainter& p, const QBrush& brush) {
  p.setPen(QPen(brush.color(), 1.0));
  p.setBrush(brush);
}

void draw_marker(QPainter& p, QPointF at, int series) {
  const SeriesLook& look = look_of(series);
  switch (look.marker) {
    case 0: p.drawRect(QRectF(at.x() - kMarker, at.y() - kMarker, 2 * kMarker, 2 * kMarker)); break;
    case 1: {
      const QPointF corners[] = {{at.x(), at.y() - kMarker - 1},
                                 {at.x() + kMarker + 1, at.y() + kMarker},
                                 {at.x() - kMarker - 1, at.y() + kMarker}};
      p.drawPolygon(corners, 3);
      break;
    }
    default: p.drawEllipse(at, kMarker, kMarker); break;
  }
}

class Drawing {
 public:
  Drawing(QPainter& painter, const Chart& chart, const ChartLayout& layout,
          const std::vector<AxisTick>& ticks)
      : p_(painter),
        chart_(chart),
        layout_(layout),
        ticks_(ticks),
        low_(ticks.front().value),
        high_(ticks.back().value > low_ ? ticks.back().value : low_ + 1) {}

  // Grid lines, tick marks and labels each in one pass: none of them overlaps another tick's.
  void value_axis(const ChartText& font) {
    p_.setFont(font.font());
    const double line = font.height();
    p_.setPen(QPen(kGridColour, 1.0));
    for (const AxisTick& t : ticks_)
      p_.drawLine(QPointF(plot().left(), y_of(t.value)), QPointF(plot().right(), y_of(t.value)));
    p_.setPen(kAxisColour);
    for (const AxisTick& t : ticks_)
      p_.drawLine(QPointF(plot().left() - 4, y_of(t.value)), QPointF(plot().left(), y_of(t.value)));
    p_.setPen(Qt::black);
    for (const AxisTick& t : ticks_)
      font.draw(p_, QRectF(0, y_of(t.value) - line / 2, layout_.label_right, line),
                Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(t.label));
  }

  void captions(const ChartText& font) {
    p_.setFont(font.font());
    p_.setPen(Qt::black);
    const double line = font.height();
    const double room = plot().bottom() + 6;
    if (!layout_.vertical_captions) {
      for (int pt = 0; pt < chart_.point_count(); ++pt)
        font.draw(p_, QRectF(x_of(pt) - slot() / 2, layout_.caption_top, slot(), line),
                  Qt::AlignHCenter | Qt::AlignTop,
                  QString::fromStdString(chart_.point_caption(pt)));
      return;
    }
    // Upwards, ending just below the axis; each turned about its own point, which the painter
    // records once per caption.
    p_.save();
    for (int pt = 0; pt < chart_.point_count(); ++pt) {
      p_.setWorldTransform(QTransform::fromTranslate(x_of(pt), room).rotate(-90));
      font.draw(p_, QRectF(-room, -line / 2, room, line), Qt::AlignRight | Qt::AlignVCenter,
                QString::fromStdString(chart_.point_caption(pt)));
    }
    p_.restore();
  }

  void bars() {
    const int series = std::max(1, chart_.series_count());
    const double group = slot() * 0.7;
    const double width = group / series;
    const double base = y_of(std::clamp(0.0, low_, high_));
    for (int pt = 0; pt < chart_.point_count(); ++pt) {
      for (int s = 0; s < chart_.series_count(); ++s) {
        const double v = chart_.value(s, pt);
        if (v == kNoValue) continue;
        const double left = x_of(pt) - group / 2 + width * s;
        const QRectF bar =
            QRectF(QPointF(left, base), QPointF(left + width, y_of(std::clamp(v, low_, high_))))
                .normalized();
        p_.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.6));
        p_.setBrush(look_of(s).bar);
        p_.drawRect(bar);
      }
    }
  }

  void lines() {
    p_.save();
    p_.setClipRect(plot().adjusted(-kMarker - 2, -kMarker - 2, kMarker + 2, kMarker + 2));
    for (int s = 0; s < chart_.series_count(); ++s) {
      QPainterPath path;
      bool open = false;  // the last point had a value
      for (int pt = 0; pt < chart_.point_count(); ++pt) {
        const double v = chart_.value(s, pt);
        if (v == kNoValue) {
          open = false;
          continue;
        }
        const QPointF at(x_of(pt), y_of(v));
        if (open)
          path.lineTo(at);
        else
          path.moveTo(at);
        open = true;
      }
      p_.setPen(line_pen(s));
      p_.setBrush(Qt::NoBrush);
      p_.drawPath(path);
      set_marker_look(p_, look_of(s).line);
      for (int pt = 0; pt < chart_.point_count(); ++pt) {
        const double v = chart_.value(s, pt);
        if (v != kNoValue) draw_marker(p_, QPointF(x_of(pt), y_of(v)), s);
      }
    }
    p_.restore();
  }

  void legend(const ChartText& font) {
    p_.setFont(font.font());
    for (const LegendEntry& e : layout_.legend) {
      const QPointF mid = e.swatch.center();
      if (chart_.kind() == ChartKind::kGroupedBars) {
        p_.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.6));
        p_.setBrush(look_of(e.series).bar);
        p_.drawRect(QRectF(mid.x() - 7, mid.y() - 5, 14, 10));
      } else {
        p_.setPen(line_pen(e.series));
        p_.drawLine(QPointF(e.swatch.left(), mid.y()), QPointF(e.swatch.right(), mid.y()));
        set_marker_look(p_, look_of(e.series).line);
        draw_marker(p_, mid, e.series);
      }
      p_.setPen(Qt::black);
      font.draw(p_, e.text, Qt::AlignLeft | Qt::AlignVCenter,
                QString::fromStdString(chart_.series_name(e.series)));
    }
  }

  void plot_frame() {
    p_.setPen(QPen(kAxisColour, 1.0));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(plot());
  }

 private:
  const QRectF& plot() const { return layout_.plot; }
  double slot() const { return plot().width() / std::max(1, chart_.point_count()); }
  double x_of(int point) const { return plot().left() + slot() * (point + 0.5); }
  double y_of(double v) const {
    return plot().bottom() - (v - low_) / (high_ - low_) * plot().height();
  }

  QPainter& p_;
  const Chart& chart_;
  const ChartLayout& layout_;
  const std::vector<AxisTick>& ticks_;
  double low_, high_;
};

}  // namespace

QPicture draw_chart(Chart& chart, const ChartFonts& fonts) {
  // The labels first: their handler sets the axis titles.
  const std::vector<AxisTick> ticks = value_axis_ticks(chart);
  const QString value_title = QString::fromStdString(chart.axis_caption(kValueAxis));
  const QString category_title = QString::fromStdString(chart.axis_caption(kCategoryAxis));
  const ChartLayout layout = lay_out_chart(chart, ticks, value_title, category_title, fonts);

  QPicture picture;
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // The background covers the frame, so the recording's bounding rectangle is the frame.
  p.fillRect(layout.frame, colour_of(chart.appearance(20, -1, kWhite)));
  p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
  p.drawRect(layout.frame.adjusted(0.5, 0.5, -0.5, -0.5));
  if (!layout.title.isEmpty()) {
    p.setFont(fonts.title.font());
    p.setPen(Qt::black);
    fonts.title.draw(p, layout.title, Qt::AlignCenter, QString::fromStdString(chart.title()));
  }
  Drawing drawing(p, chart, layout, ticks);
  drawing.value_axis(fonts.label);
  if (chart.kind() == ChartKind::kGroupedBars)
    drawing.bars();
  else
    drawing.lines();
  drawing.plot_frame();
  drawing.captions(fonts.label);
  drawing.legend(fonts.legend);
  p.setFont(fonts.axis_title.font());
  p.setPen(Qt::black);
  if (!value_title.isEmpty()) {
    const QRectF box = layout.value_title;
    p.save();
    p.translate(box.center());
    p.rotate(-90);
    fonts.axis_title.draw(p, QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
                          Qt::AlignCenter, value_title);
    p.restore();
  }
  if (!category_title.isEmpty())
    fonts.axis_title.draw(p, layout.category_title, Qt::AlignCenter, category_title);
  p.end();
  return picture;
}

}  // namespace pellavan::reports
