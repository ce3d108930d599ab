// Pellavan: compares heating and cooling systems for one building.

#include <QApplication>
#include <QMainWindow>
#include <cstdlib>

#include "platform/fatal_exit.h"
#include "platform/message_box.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(pellavan::platform::kAppTitle);

  pellavan::platform::set_fatal_handler([](const std::string& message) {
    pellavan::platform::message_box(nullptr, QString::fromLocal8Bit(message.c_str()));
    std::_Exit(1);
  });

  QMainWindow window;
  window.setWindowTitle(pellavan::platform::kAppTitle);
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
