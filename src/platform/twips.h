#pragma once
// Design coordinates are twips: 1440 to the inch. On screen a twip is 1/1440 of a logical inch
// at the screen's logical DPI, so a 96-DPI screen has 15 twips to the pixel, as the designs
// assume; a screen set to a larger DPI shows every window larger in the same proportion.

#include <QSize>

class QScreen;

namespace pellavan::platform {

inline constexpr double kTwipsPerInch = 1440.0;

// Pixels per twip across and down on the screen (the primary screen when null).
struct TwipScale {
  double x = 1.0 / 15.0;
  double y = 1.0 / 15.0;
};
[[nodiscard]] TwipScale twip_scale(const QScreen* screen = nullptr);

[[nodiscard]] QSize twips_to_pixels(QSize twips, const QScreen* screen = nullptr);
[[nodiscard]] QSize pixels_to_twips(QSize pixels, const QScreen* screen = nullptr);

}  // namespace pellavan::platform
