#include "platform/text_fit.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QStringList>
#include <cmath>
#include <optional>

namespace pellavan::platform {

namespace {

constexpr double kFaceStep = 0.05;

QFontMetricsF metrics_of(const QFont& font, const QPaintDevice* device) {
  return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}

// The face at `factor` of the text's own size, in points or pixels as the font was given.
QFont face_at(const QFont& font, double factor) {
  QFont smaller(font);
  if (font.pointSizeF() > 0)
    smaller.setPointSizeF(font.pointSizeF() * factor);
  else
    smaller.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * factor))));
  return smaller;
}

bool wraps_into(const QString& text, const QFontMetricsF& m, QSizeF room) {
  if (!text.contains(QChar(' ')) || m.height() * 2 > room.height()) return false;
  for (const QString& word : text.split(QChar(' '), Qt::SkipEmptyParts))
    if (m.horizontalAdvance(word) > room.width()) return false;
  const QRectF needed = m.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap, text);
  return needed.height() <= room.height();
}

}  // namespace

FittedText fit_text(const QString& text, const QFont& font, QSizeF room, const QPaintDevice* device,
                    Wrapping wrapping) {
  // Small rounding aside: a text that fits at its size is never touched.
  constexpr double kSlack = 0.01;
  const double width = room.width() + kSlack;
  auto fitted = [&](const QFont& face) -> std::optional<FittedText> {
    const QFontMetricsF m = metrics_of(face, device);
    if (m.horizontalAdvance(text) <= width) return FittedText{face, text};
    if (wrapping == Wrapping::kAnySize && wraps_into(text, m, room))
      return FittedText{face, text, true};
    return std::nullopt;
  };
  if (auto as_is = fitted(font)) return *as_is;
  // Blanks at the end (a field stored at its full width) show nothing and need no room.
  qsizetype end = text.size();
  while (end > 0 && text[end - 1] == QChar(' ')) --end;
  if (end < text.size()) return fit_text(text.left(end), font, room, device, wrapping);
  for (double factor = 1.0 - kFaceStep; factor >= kSmallestFace - 1e-9; factor -= kFaceStep) {
    if (auto smaller = fitted(face_at(font, factor))) return *smaller;
  }
  for (double factor = 1.0; factor >= kSmallestFace - 1e-9; factor -= kFaceStep) {
    const QFont face = face_at(font, factor);
    if (wraps_into(text, metrics_of(face, device), room)) return {face, text, true};
  }
  // The ellipsis keeps the text's own face, like the lines around it.
  return {font, metrics_of(font, device).elidedText(text, Qt::ElideRight, room.width())};
}

}  // namespace pellavan::platform
