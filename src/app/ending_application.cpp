#include "app/ending_application.h"

#include "model/catalogue/data_file_access.h"
#include "platform/fatal_exit.h"

namespace pellavan::app {

bool EndingApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const model::DataFileFailure& failure) {
    platform::end_program(failure.what());
  }
}

}  // namespace pellavan::app
