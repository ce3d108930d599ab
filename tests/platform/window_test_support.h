#pragma once
// Helpers of the window tests: showing a window and waiting until it is active, and sending the
// pointer and key events the windows react to.

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QWidget>
#include <map>

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

inline void send_mouse_move(QWidget* w, QPointF at = {1, 1}) {
  QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

inline void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(w, &event);
  QApplication::processEvents();
}

// What a modal message box does to the focus, for a hook that answers one: the box takes the
// focus while it is open, and the window it stood over is active again only after it is gone.
inline void take_the_focus_as_a_message_box() {
  QWidget box;
  auto* ok = new QPushButton(QStringLiteral("OK"), &box);
  if (show_and_activate(&box)) ok->setFocus();
}

// The window system making `window` active again after a message box was closed over it.
inline bool active_again(QWidget* window) {
  window->activateWindow();
  QElapsedTimer timer;
  timer.start();
  while (!window->isActiveWindow() && timer.elapsed() < 2000) QApplication::processEvents();
  QApplication::processEvents();
  return window->isActiveWindow();
}

// The texts of a window's line boxes but one, to see that typing changed no other.
inline std::map<const QLineEdit*, QString> texts_but(const QWidget* window,
                                                     const QLineEdit* except) {
  std::map<const QLineEdit*, QString> out;
  for (const QLineEdit* box : window->findChildren<QLineEdit*>())
    if (box != except) out[box] = box->text();
  return out;
}

}  // namespace pellavan::platform::testing
