#pragma once
// Helpers of the window tests: showing a window and waiting until it is active, and sending the
// pointer and key events the windows react to.

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace pellavan::platform::testing {

inline bool show_and_activate(QWidget* window) {
  window->show();
  window->activateWindow();
  QElapsedTimer timer;
  timer.start();
  while (!window->isActiveWindow() && timer.elapsed() < 2000) QApplication::processEvents();
  return window->isActiveWindow();
}

inline void send_enter(QWidget* w) {
  const QPointF at(1, 1);
  QEnterEvent event(at, w->mapTo(w->window(), at), w->mapToGlobal(at));
  QApplication::sendEvent(w, &event);
}

inline void send_mouse_move(QWidget* w) {
  const QPointF at(1, 1);
  QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

inline void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(w, &event);
  QApplication::processEvents();
}

}  // namespace pellavan::platform::testing
