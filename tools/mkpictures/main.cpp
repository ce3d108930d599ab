// pellavan-mkpictures: draws the pictures of the Data folder as bitmap files.
//
//   pellavan-mkpictures <folder> [name.bmp ...]     (no names: every picture)
//   pellavan-mkpictures --list
//
// Needs no display: it runs on Qt's offscreen platform.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <string>
#include <vector>

#include "mkpictures/pictures.h"

namespace {

bool save(const pellavan::mkpictures::Picture& picture, const QString& folder) {
  const QString path = QDir(folder).filePath(
      QString::fromUtf8(picture.name.data(), static_cast<int>(picture.name.size())));
  const QString temporary = path + ".part";
  if (!pellavan::mkpictures::render(picture).save(temporary, "BMP")) return false;
  QFile::remove(path);
  return QFile::rename(temporary, path);
}

}  // namespace

int main(int argc, char** argv) {
  using pellavan::mkpictures::all_pictures;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Builds often run outside a desktop session; Qt then wants a private runtime folder.
  QTemporaryDir runtime;
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  QGuiApplication app(argc, argv);

  if (argc == 2 && std::string(argv[1]) == "--list") {
    for (const auto& picture : all_pictures())
      std::printf("%.*s\n", static_cast<int>(picture.name.size()), picture.name.data());
    return 0;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: pellavan-mkpictures <folder> [name.bmp ...] | --list\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "%s: cannot be created\n", argv[1]);
    return 1;
  }
  std::vector<const pellavan::mkpictures::Picture*> wanted;
  for (int i = 2; i < argc; ++i) {
    const auto* picture = pellavan::mkpictures::find_picture(argv[i]);
    if (picture == nullptr) {
      std::fprintf(stderr, "%s: no such picture (see --list)\n", argv[i]);
      return 2;
    }
    wanted.push_back(picture);
  }
  if (wanted.empty())
    for (const auto& picture : all_pictures()) wanted.push_back(&picture);
  for (const auto* picture : wanted) {
    if (!save(*picture, folder)) {
      std::fprintf(stderr, "%.*s: cannot be written in %s\n",
                   static_cast<int>(picture->name.size()), picture->name.data(), argv[1]);
      return 1;
    }
  }
  return 0;
}
