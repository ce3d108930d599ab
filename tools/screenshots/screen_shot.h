#pragma once
// What the screenshot drivers share: letting the windows settle and saving the whole screen.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScreen>
#include <cstdio>
#include <optional>

namespace pellavan::tools {

inline void settle(int ms) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The screen as OUT/NAME.png, after the windows have settled.
inline void shoot(const QDir& out, const QString& name, int settle_ms = 400) {
  settle(settle_ms);
  const QString path = out.filePath(name + QStringLiteral(".png"));
  const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
}

// The output folder of "TOOL PROGRAM_FOLDER OUTPUT_FOLDER", made and absolute (the program
// changes the current folder to its own); nothing, after the usage, for other arguments.
inline std::optional<QDir> output_folder(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PROGRAM_FOLDER OUTPUT_FOLDER\n", argv[0]);
    return std::nullopt;
  }
  const QDir out(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
  QDir().mkpath(out.path());
  return out;
}

}  // namespace pellavan::tools
