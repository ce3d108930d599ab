#include "sheet_view/fonts.h"

#include <QFontMetricsF>
#include <QImage>
#include <map>
#include <utility>

#include "platform/layout_fonts.h"

namespace pellavan::sheet::view {

namespace {

constexpr double kReferenceDpi = 96.0;

}  // namespace

QFont qt_font(const Font& font, double scale, int device_dpi) {
  const platform::DrawnFace face = platform::drawn_face(QString::fromStdString(font.name));
  QFont f(face.family);
  const double points = (font.size > 0.0 ? font.size : 10.0) * face.size_factor;
  f.setPointSizeF(std::max(0.5, points * scale * kReferenceDpi / std::max(device_dpi, 1)));
  f.setBold(font.bold);
  f.setItalic(font.italic);
  f.setUnderline(font.underline);
  return f;
}

GridMetrics grid_metrics(const Book& book) {
  // Measuring takes a font lookup; books share a handful of default fonts.
  static std::map<std::pair<std::string, double>, double> measured;
  const Font& font = book.styles().get(0).font;
  const auto key = std::make_pair(font.name, font.size);
  auto it = measured.find(key);
  if (it == measured.end()) {
    QImage reference(1, 1, QImage::Format_RGB32);
    reference.setDotsPerMeterX(static_cast<int>(kReferenceDpi / 0.0254 + 0.5));
    reference.setDotsPerMeterY(static_cast<int>(kReferenceDpi / 0.0254 + 0.5));
    const QFontMetricsF metrics(qt_font(font, 1.0, static_cast<int>(kReferenceDpi)), &reference);
    double widest = 0.0;
    for (char digit = '0'; digit <= '9'; ++digit)
      widest = std::max(widest, metrics.horizontalAdvance(QChar(digit)));
    it = measured.emplace(key, widest > 0.0 ? widest : 7.0).first;
  }
  GridMetrics metrics;
  metrics.digit_width = it->second;
  return metrics;
}

}  // namespace pellavan::sheet::view
