#include "reports/charts/chart_text.h"

#include <QFontMetricsF>
#include <map>

namespace pellavan::reports {

namespace {

// Widths are kept per font and thread (fonts are used on one thread), up to this many a font.
constexpr std::size_t kMostWidths = 4096;

std::unordered_map<QString, double>& widths_of(const QFont& font) {
  thread_local std::map<QString, std::unordered_map<QString, double>> kept;
  return kept[font.key()];
}

// A position as the layout keeps it: in 64ths, cut towards zero.
int fixed(double v) { return static_cast<int>(v * 64.0); }

// Printable Latin-1 without trailing blank, hard blank or soft hyphen: laid out left to right on
// one line, its advance the width the layout gives it.
bool plain(const QString& text) {
  if (text.isEmpty() || text.back() == QLatin1Char(' ')) return false;
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || (u >= 0x7F && u <= 0xA0) || u == 0xAD || u > 0xFF) return false;
  }
  return true;
}

}  // namespace

ChartText::ChartText(const QFont& font) : font_(font), widths_(widths_of(font)) {
  const QFontMetricsF metrics(font_);
  height_ = metrics.height();
  ascent_ = fixed(metrics.ascent());
}

double ChartText::width(const QString& text) const {
  const auto it = widths_.find(text);
  if (it != widths_.end()) return it->second;
  if (widths_.size() >= kMostWidths) widths_.clear();
  const double w = QFontMetricsF(font_).horizontalAdvance(text);
  widths_.emplace(text, w);
  return w;
}

void ChartText::draw(QPainter& painter, const QRectF& box, int flags, const QString& text) const {
  if (!plain(text)) {
    painter.drawText(box, flags, text);
    return;
  }
  const double advance = width(text);
  double x = 0, y = 0;
  if (flags & Qt::AlignRight)
    x = box.width() - advance;
  else if (flags & Qt::AlignHCenter)
    x = (box.width() - advance) / 2;
  if (flags & Qt::AlignBottom)
    y = box.height() - height_;
  else if (flags & Qt::AlignVCenter)
    y = (box.height() - height_) / 2;
  if (!box.contains(QRectF(box.x() + x, box.y() + y, advance, height_))) {
    painter.drawText(box, flags, text);
    return;
  }
  painter.drawText(QPointF(box.x() + x, (fixed(box.y() + y) + ascent_) / 64.0), text);
}

}  // namespace pellavan::reports
