#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pellavan::platform {

namespace {

QScreen* screen_of(QWidget* window) {
  QScreen* screen = window->screen();
  return screen != nullptr ? screen : QGuiApplication::primaryScreen();
}

void center_in(QWidget* window, const QRect& area) {
  const QSize outer = window->frameGeometry().size();
  const double left = (2.0 * area.x() + area.width() - outer.width()) / 2.0;
  const double top = (2.0 * area.y() + area.height() - outer.height()) / 2.0;
  window->move(qRound(left), qRound(top));
}

}  // namespace

void Center_Form(QWidget* window) {
  if (window == nullptr) return;
  QScreen* screen = screen_of(window);
  if (screen == nullptr) return;
  QRect area = screen->availableGeometry();
  if (area.isEmpty()) area = QRect(QPoint(0, 0), screen->size());
  center_in(window, area);
}

void center_on_screen(QWidget* window) {
  if (window == nullptr) return;
  if (QScreen* screen = screen_of(window)) center_in(window, screen->geometry());
}

std::int32_t Set_TopMost(QWidget* window, std::int16_t on_top) {
  if (window == nullptr) return 0;
  const bool topmost = on_top == -1;
  const bool shown = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
  if (shown) window->show();  // changing window flags hides a window
  return topmost ? 1 : 0;
}

}  // namespace pellavan::platform
