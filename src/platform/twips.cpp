#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace pellavan::platform {

TwipScale twip_scale(const QScreen* screen) {
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  return {screen->logicalDotsPerInchX() / kTwipsPerInch,
          screen->logicalDotsPerInchY() / kTwipsPerInch};
}

QSize twips_to_pixels(QSize twips, const QScreen* screen) {
  const TwipScale s = twip_scale(screen);
  return {static_cast<int>(std::lround(twips.width() * s.x)),
          static_cast<int>(std::lround(twips.height() * s.y))};
}

QSize pixels_to_twips(QSize pixels, const QScreen* screen) {
  const TwipScale s = twip_scale(screen);
  return {static_cast<int>(std::lround(pixels.width() / s.x)),
          static_cast<int>(std::lround(pixels.height() / s.y))};
}

}  // namespace pellavan::platform
