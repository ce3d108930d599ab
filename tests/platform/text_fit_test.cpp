// Texts fitted into boxes: as they are, in a smaller face, wrapped, or ending in an ellipsis.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>

#include "platform/text_fit.h"

namespace pellavan::platform {
namespace {

TEST(TextFitTest, ATextTakesTheFirstFitOfSmallerFaceWrapAndEllipsis) {
  const QString text = "JN Varistep Variable Speed Water Heating";
  QImage device(10, 10, QImage::Format_RGB32);
  QFont font("Liberation Sans");
  font.setPointSizeF(10);
  const QFontMetricsF m(font, &device);
  const double w = m.horizontalAdvance(text), h = m.height();
  enum Result { kAsIs, kSmaller, kWrappedSmall, kWrappedWhole, kEllipsis };
  struct Row {
    const char* name;
    double width, height;
    Wrapping wrapping;
    Result result;
  };
  const Row rows[] = {
      {"fits", w + 1, h, Wrapping::kLastResort, kAsIs},
      {"a little wide", w * 0.9, h, Wrapping::kLastResort, kSmaller},
      {"half as wide, tall", w * 0.5, h * 4, Wrapping::kLastResort, kWrappedWhole},
      {"half as wide, two small lines", w * 0.5, h * 1.6, Wrapping::kLastResort, kWrappedSmall},
      {"half as wide, one line", w * 0.5, h, Wrapping::kLastResort, kEllipsis},
      {"a label that wraps", w * 0.6, h * 3, Wrapping::kAnySize, kWrappedWhole},
      {"a label of one line", w * 0.5, h * 1.2, Wrapping::kAnySize, kEllipsis},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    const FittedText f = fit_text(text, font, QSizeF(r.width, r.height), &device, r.wrapping);
    const double size = f.font.pointSizeF();
    switch (r.result) {
      case kAsIs: EXPECT_TRUE(f.text == text && size == 10 && !f.wrapped); break;
      case kSmaller:
        EXPECT_TRUE(f.text == text && size < 10 && size >= 10 * kSmallestFace && !f.wrapped);
        break;
      case kWrappedSmall: EXPECT_TRUE(f.text == text && f.wrapped && size < 10); break;
      case kWrappedWhole: EXPECT_TRUE(f.text == text && f.wrapped && size == 10); break;
      case kEllipsis:
        EXPECT_TRUE(f.text.endsWith(QChar(0x2026)) && !f.wrapped && size == 10);
        EXPECT_LE(QFontMetricsF(f.font, &device).horizontalAdvance(f.text), r.width);
        break;
    }
  }
}

}  // namespace
}  // namespace pellavan::platform
