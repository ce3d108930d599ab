// Pellavan: compares heating and cooling systems for one building.

#include <cstdlib>

#include "app/ending_application.h"
#include "app/program.h"
#include "model/catalogue/data_file_access.h"
#include "platform/fatal_exit.h"
#include "platform/message_box.h"
#include "platform/text_editing_keys.h"

int main(int argc, char** argv) {
  pellavan::app::EndingApplication app(argc, argv);
  QApplication::setApplicationName(pellavan::platform::kAppTitle);
  // The program ends through its own exit (end_run), never because for a moment no window is
  // shown (the start-up window closes before the disclaimer appears).
  QApplication::setQuitOnLastWindowClosed(false);

  pellavan::platform::set_fatal_handler([](const std::string& message) {
    pellavan::platform::message_box(nullptr, QString::fromLocal8Bit(message.c_str()));
    std::_Exit(1);
  });
  pellavan::platform::keep_text_editing_keys();

  pellavan::app::Program program(QCoreApplication::applicationDirPath().toStdString());
  try {
    if (!program.start()) return 0;
  } catch (const pellavan::model::DataFileFailure& failure) {
    pellavan::platform::end_program(failure.what());
  }
  return QApplication::exec();
}
