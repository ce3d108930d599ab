#include "app/scale_bar.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace pellavan::app {

ScaleBar::ScaleBar(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("lblScale")); }

void ScaleBar::set_fraction(double fraction) {
  fraction_ = std::isfinite(fraction) ? std::clamp(fraction, 0.0, 1.0) : 0.0;
  update();
}

int ScaleBar::bar_width() const { return static_cast<int>(std::lround(fraction_ * width())); }

void ScaleBar::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.fillRect(QRect(0, 0, bar_width(), height()), QColor(0xFF, 0x00, 0x00));
  p.setPen(Qt::black);
  for (int i = 0; i <= 4; ++i) {
    const int x = std::min(width() - 1, i * (width() - 1) / 4);
    p.drawLine(x, height() - height() / 3, x, height());
  }
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace pellavan::app
