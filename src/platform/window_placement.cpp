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

bool Set_TopMost(QWidget* window, bool on_top) {
  if (window == nullptr) return false;
  const bool shown = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, on_top);
  if (shown) window->show();  // changing window flags hides a window
  return on_top;
}

}  // namespace pellavan::platform
