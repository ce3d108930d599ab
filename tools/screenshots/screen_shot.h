#pragma once
// Waiting for the screen to settle and saving it, for the screenshot drivers.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <cstdio>

namespace pellavan::tools {

inline void settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

inline void shoot(const QDir& out, const QString& name, int settle_ms = 400) {
  settle(settle_ms);
  const QString path = out.filePath(name + QStringLiteral(".png"));
  const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
}

}  // namespace pellavan::tools
