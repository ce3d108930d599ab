// A chart text drawn into a recording is recorded exactly as the painter's own drawText of the
// same box, flags and text records it, whether it takes the short way or not.
#include <gtest/gtest.h>

#include <QPicture>
#include <functional>

#include "reports/charts/chart_layout.h"

namespace pellavan::reports {
namespace {

QByteArray recorded(const QFont& font, const std::function<void(QPainter&)>& draw) {
  QPicture picture;
  QPainter p(&picture);
  p.setFont(font);
  p.translate(3.3, 7.7);
  p.rotate(-90);
  draw(p);
  p.end();
  return QByteArray(picture.data(), picture.size());
}

TEST(ChartTextTest, DrawsAsThePaintersLayoutDoes) {
  const ChartFonts fonts;
  struct Case {
    const char* name;
    QRectF box;
    int flags;
    QString text;
  };
  const Case cases[] = {
      {"right, centred upright",
       {0, 101.37, 62.5, 13.8},
       Qt::AlignRight | Qt::AlignVCenter,
       "72,900"},
      {"negative box", {-311.2, -7.1, 311.2, 13.8}, Qt::AlignRight | Qt::AlignVCenter, "-33"},
      {"centred", {-260.35, -9.4, 520.7, 18.8}, Qt::AlignCenter, "Btu/hr"},
      {"centred at the top", {77.77, 590.1, 19.03, 14}, Qt::AlignHCenter | Qt::AlignTop, "107"},
      {"left", {175.97, 640.12, 90.5, 18}, Qt::AlignLeft | Qt::AlignVCenter, "Weather Hours"},
      {"bottom", {5, 5, 200, 40}, Qt::AlignRight | Qt::AlignBottom, "Annual Operating Cost"},
      {"wider than its box", {0, 0, 20, 14}, Qt::AlignRight | Qt::AlignVCenter, "RKH060 Water"},
      {"two lines", {0, 0, 300, 40}, Qt::AlignCenter, "Geo\nSystem"},
      {"trailing blank", {0, 0, 300, 14}, Qt::AlignRight | Qt::AlignVCenter, "Furnace "},
      {"trailing hard blank",
       {0, 0, 300, 14},
       Qt::AlignRight | Qt::AlignVCenter,
       QString::fromUtf8("Furnace\u00a0")},
      {"soft hyphen",
       {0, 0, 300, 14},
       Qt::AlignCenter,
       QString::fromUtf8("Geo\u00adThermal\u00ad")},
      {"beyond Latin-1", {0, 0, 300, 14}, Qt::AlignCenter, QString::fromUtf8("\u20ac 1,260")},
  };
  for (const Case& c : cases) {
    for (const ChartText* font : {&fonts.label, &fonts.title}) {
      // Twice, so that the second draws from the width kept by the first.
      for (int pass = 0; pass < 2; ++pass)
        EXPECT_EQ(
            recorded(font->font(), [&](QPainter& p) { font->draw(p, c.box, c.flags, c.text); }),
            recorded(font->font(), [&](QPainter& p) { p.drawText(c.box, c.flags, c.text); }))
            << c.name;
    }
  }
}

}  // namespace
}  // namespace pellavan::reports
